// Shared field forms: the word-string store rule, reading within the field, and the telephone and
// command fields at their places.
#include <gtest/gtest.h>

#include "formats/fields.h"
#include "imagecheck.h"

namespace {
// A speed-dial identification: count byte and eight words, at the record of user entry 57.
constexpr int IdOffset = 3008 + 12;
const WordStringField Identification{IdOffset, 17};
}  // namespace

TEST(WordStringField, StoresOnlyWordsComposedAnew) {
    // clang-format off
    const struct {
        const char* what;
        WordStringField::Composed composed;
        Bytes written;  // from the count byte; empty = nothing written
    } cases[] = {
        {"cancel writes nothing", {false, {}}, {}},
        {"kept old text writes nothing", {false, {"210", "005"}}, {}},
        {"confirmed empty text writes count 0 only", {true, {}}, {0}},
        {"new words: count, then bank and index", {true, {"210", "005"}}, {2, 2, 10, 0, 5}},
        {"nine words: the eight that fit",
         {true, {"001", "002", "003", "004", "005", "006", "007", "008", "999"}},
         {8, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Image before = patternedImage();
        Image image = before;
        EXPECT_EQ(Identification.store(image, c.composed), !c.written.empty());
        if (c.written.empty())
            EXPECT_EQ(image, before);
        else
            expectOnlyWritten(before, image, IdOffset, c.written);
    }
}

TEST(WordStringField, ReadsOnlyTheWordsThatFit) {
    Image image = zeroImage();
    // Count 9 in a field of eight words; the byte behind the field holds word 210 ("A").
    const Bytes stored = {9, 0, 5, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 2, 10};
    std::copy(stored.begin(), stored.end(), image.begin() + IdOffset);
    EXPECT_EQ(Identification.storedCount(image), 9);
    EXPECT_EQ(Identification.text(image), QStringLiteral("5 1 2 3 4 5 6 7"));
    EXPECT_EQ(Identification.text(image, false), QStringLiteral(" 5 1 2 3 4 5 6 7"));
    // A field that would run past the end of the image is read and written only up to it.
    const WordStringField atEnd{ImageSize - 3, 17};
    image[ImageSize - 3] = 5;
    image[ImageSize - 2] = 2;
    image[ImageSize - 1] = 10;
    EXPECT_EQ(atEnd.text(image), QStringLiteral("A"));
    EXPECT_TRUE(atEnd.store(image, {true, {"005", "006"}}));
    EXPECT_EQ(image[ImageSize - 3], 1);
    EXPECT_EQ(image[ImageSize - 1], 5);
}

TEST(TelephoneAndCommandFields, ReadAndWriteTheirOwnBytes) {
    const Image before = patternedImage();
    Image image = before;
    const TelephoneNumberField number{3008};
    number.store(image, QStringLiteral("9,5551212"));
    expectOnlyWritten(before, image, 3008, {8, 9, 0x15, 5, 5, 1, 2, 1, 2, 0, 0, 0});
    EXPECT_EQ(number.digitCount(image), 8);
    EXPECT_EQ(number.text(image), QStringLiteral("9,5551212"));

    const CommandField command{900};
    Image commands = before;
    command.store(commands, QStringLiteral("0123"));
    expectOnlyWritten(before, commands, 900, {0x01, 0x23});
    EXPECT_EQ(command.digits(commands), QStringLiteral("0123"));
}
