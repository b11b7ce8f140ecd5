// The DTMF key code table and the four stored key forms, byte for byte.
#include <gtest/gtest.h>

#include "formats/commands.h"
#include "formats/dtmfcodec.h"
#include "formats/fields.h"
#include "imagecheck.h"

// The codec's own test names its functions unqualified.
using namespace Dtmf;

namespace {

void put(Image& image, int offset, const Bytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) image[offset + i] = bytes[i];
}

TEST(Codec, EncodeKeyFollowsTheControllerTable) {
    const struct {
        const char* key;
        int code;
    } cases[] = {
        {"D", 0},  {"1", 1},  {"2", 2},  {"5", 5}, {"9", 9}, {"0", 10}, {"*", 11}, {"#", 12},
        {"A", 13}, {"B", 14}, {"C", 15}, {",", 0}, {"", 0},  {"x", 0},  {"a", 0},  {" ", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeKey(QString::fromLatin1(c.key)), c.code) << c.key;
    }
    for (int code = 0; code < 16; ++code) {
        EXPECT_EQ(encodeKey(keyChar(code)), code) << code;
    }
}

TEST(Codec, DecodeDigitsReadsOnlyTheStoredKeysOfTheField) {
    const struct {
        Bytes field;  // length byte + seven code bytes
        int maxKeys;
        const char* text;
    } cases[] = {
        {{0, 1, 2, 3, 4, 5, 6, 7}, 7, ""},
        // Code 0 is "D" here, code 10 is "0".
        {{2, 10, 0, 0, 0, 0, 0, 0}, 7, "0D"},
        {{4, 13, 14, 15, 11, 0, 0, 0}, 7, "ABC*"},
        // 0xFF, as erased memory holds it, gives exactly the seven keys of the field.
        {{0xFF, 1, 2, 3, 4, 5, 6, 12}, 7, "123456#"},
        {{8, 1, 2, 3, 4, 5, 6, 7}, 7, "1234567"},
        // The high nibble is ignored.
        {{3, 0x35, 0xF0, 0x9A, 0, 0, 0, 0}, 7, "5D0"},
        // Bytes past the length are not shown.
        {{3, 1, 2, 3, 9, 9, 9, 9}, 7, "123"},
        {{6, 1, 2, 3, 4, 5, 6, 0}, 4, "1234"},
    };
    for (const auto& c : cases) {
        Image image = patternedImage();
        put(image, 200, c.field);
        EXPECT_EQ(digitFieldText(image, 200, c.maxKeys), QString::fromLatin1(c.text))
            << int(c.field[0]);
    }
}

TEST(Codec, DecodeDigitsNeverReadsPastTheField) {
    Image image = patternedImage();
    put(image, 300, {0xFF, 1, 1, 1, 1, 1, 1, 1});
    image[308] = 2;  // the next field's length byte
    EXPECT_EQ(digitFieldText(image, 300, 7), QStringLiteral("1111111"));
    EXPECT_EQ(digitFieldText(image, 300, 12), QStringLiteral("1111111"));

    // A field that ends with the image.
    put(image, ImageSize - 8, {0xFF, 1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(digitFieldText(image, ImageSize - 8, 7), QStringLiteral("1234567"));
    // One that would not fit is not read at all.
    EXPECT_EQ(digitFieldText(image, ImageSize - 4, 7), QString());
}

TEST(Codec, EncodeDigitsWritesLengthKeysAndZeros) {
    const struct {
        const char* text;
        LengthRule rule;
        Bytes bytes;
    } cases[] = {
        {"12", LengthRule::Characters, {2, 1, 2, 0, 0, 0, 0, 0}},
        {"", LengthRule::Characters, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"D0", LengthRule::Characters, {2, 0, 10, 0, 0, 0, 0, 0}},
        {"*AB#C90", LengthRule::Characters, {7, 11, 13, 14, 12, 15, 9, 10}},
        // The pre-dial number keeps its delay marks as code 0 and counts them.
        {"9,1", LengthRule::Characters, {3, 9, 0, 1, 0, 0, 0, 0}},
        // The unlock number always claims seven keys.
        {"1234567", LengthRule::Fixed7, {7, 1, 2, 3, 4, 5, 6, 7}},
        {"12", LengthRule::Fixed7, {7, 1, 2, 0, 0, 0, 0, 0}},
        {"", LengthRule::Fixed7, {7, 0, 0, 0, 0, 0, 0, 0}},
        // More keys than the field holds: the first seven, and a length that says so.
        {"123456789", LengthRule::Characters, {7, 1, 2, 3, 4, 5, 6, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Image before = patternedImage();
        Image image = before;
        storeDigitField(image, 48, QString::fromLatin1(c.text), c.rule);
        expectOnlyWritten(before, image, 48, c.bytes);
    }
}

TEST(Codec, EncodeDigitsOutsideTheImageWritesNothing) {
    const Image before = patternedImage();
    Image image = before;
    storeDigitField(image, ImageSize - 7, QStringLiteral("12"), LengthRule::Characters);
    storeDigitField(image, -1, QStringLiteral("12"), LengthRule::Characters);
    storeTelephoneNumber(image, ImageSize - 11, QStringLiteral("12"));
    storeThreeDigits(image, ImageSize - 2, QStringLiteral("123"));
    CommandField{ImageSize - 1}.store(image, QStringLiteral("1234"));
    EXPECT_EQ(image, before);
}

// The stored digit count counts keys, not delays.
TEST(Codec, CalcLengthCountsKeysButNotDelays) {
    const std::pair<const char*, int> numbers[] = {
        {"9,5551212", 8}, {",5,", 1}, {"", 0}, {"*#0", 3}};
    for (const auto& [number, count] : numbers) {
        Image image = zeroImage();
        storeTelephoneNumber(image, 100, QLatin1String(number));
        EXPECT_EQ(image[100], count) << number;
    }
}

TEST(Codec, SaveTelNumStoresDelaysInTheFollowingDigit) {
    const struct {
        const char* text;
        Bytes bytes;  // all twelve bytes of the field
    } cases[] = {
        {"9,5551212", {8, 0x09, 0x15, 0x05, 0x05, 0x01, 0x02, 0x01, 0x02, 0, 0, 0}},
        // A trailing delay leaves no trace.
        {"555,", {3, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {",5", {1, 0x15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"1,2,3", {3, 1, 0x12, 0x13, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"0*#", {3, 10, 11, 12, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"12345678901", {11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}},
        // Two delay marks in a row (the keypad never makes them) add up in the high nibble.
        {",,7", {1, 0x27, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // A twelfth digit has no slot: it must not run into the record's next byte.
        {"123456789012", {11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Image before = patternedImage();
        Image image = before;
        storeTelephoneNumber(image, 1298, QString::fromLatin1(c.text));
        expectOnlyWritten(before, image, 1298, c.bytes);
    }
}

TEST(Codec, SaveTelNumKeepsTheHighNibbleForManyDelays) {
    Image image = patternedImage();
    storeTelephoneNumber(image, 1298, QString(20, QLatin1Char(',')) + QStringLiteral("3"));
    EXPECT_EQ(int(image[1298]), 1);
    EXPECT_EQ(int(image[1299]), 0xF3);
    EXPECT_EQ(telephoneNumberText(image, 1298), QStringLiteral(",3"));
}

TEST(Codec, DisplayAPNumShowsDigitsAndDelays) {
    const struct {
        Bytes field;
        const char* text;
    } cases[] = {
        {{8, 0x09, 0x15, 0x05, 0x05, 0x01, 0x02, 0x01, 0x02, 0, 0, 0}, "9,5551212"},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2}, ""},
        {{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2}, ""},
        {{0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2}, ""},
        {{11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x1B}, "1234567890,*"},
        // Code 0 is the digit 0 in a telephone number (it is "D" in a digit field).
        {{2, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "00"},
        // Codes 13..15 show nothing; any high-nibble bit is one delay.
        {{4, 13, 0x8E, 0x2F, 12, 0, 0, 0, 0, 0, 0, 0}, ",,#"},
        {{2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4}, "34"},
    };
    for (const auto& c : cases) {
        Image image = patternedImage();
        put(image, 1148, c.field);
        EXPECT_EQ(telephoneNumberText(image, 1148), QString::fromLatin1(c.text)) << c.text;
    }
}

TEST(Codec, ThreeDigitEntries) {
    const struct {
        Bytes bytes;
        const char* text;
    } decodes[] = {
        {{10, 1, 2}, "012"}, {{0, 5, 5}, ""},       {{9, 10, 7}, "907"},
        {{5, 0, 11}, "500"}, {{0xFF, 3, 4}, "034"},
    };
    for (const auto& c : decodes) {
        Image image = patternedImage();
        put(image, 7329, c.bytes);
        EXPECT_EQ(threeDigitText(image, 7329), QString::fromLatin1(c.text)) << c.text;
    }

    const struct {
        const char* text;
        Bytes bytes;
    } encodes[] = {
        {"012", {10, 1, 2}},
        {"907", {9, 10, 7}},
        {"", {0, 0, 0}},
        {"000", {10, 10, 10}},
    };
    for (const auto& c : encodes) {
        SCOPED_TRACE(c.text);
        const Image before = patternedImage();
        Image image = before;
        storeThreeDigits(image, 7329, QString::fromLatin1(c.text));
        expectOnlyWritten(before, image, 7329, c.bytes);
        EXPECT_EQ(threeDigitText(image, 7329), QString::fromLatin1(c.text));
    }
}

TEST(Codec, PackPairPacksDecimalDigitsOnly) {
    const struct {
        const char* text;
        int byte;
    } cases[] = {
        {"01", 0x01}, {"23", 0x23}, {"*5", 0x05}, {"90", 0x90}, {"00", 0x00}, {"", 0x00},
        {"5", 0x50},  {"#A", 0x00}, {"D9", 0x09}, {"7C", 0x70}, {"99", 0x99},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(int(packDigitPair(QString::fromLatin1(c.text))), c.byte) << c.text;
    }
}

TEST(Codec, CommandNumbersShowAsTwoHexadecimalPairs) {
    // A pair above 9 shows without its leading zero, as the dialogs show commands.
    const struct {
        Bytes bytes;
        const char* text;
    } cases[] = {
        {{0x01, 0x23}, "0123"}, {{0x00, 0x00}, "0000"}, {{0xFF, 0xFF}, "FFFF"},
        {{0x0A, 0x00}, "A00"},  {{0x11, 0x10}, "1110"}, {{0x9B, 0x07}, "9B07"},
    };
    for (const auto& c : cases) {
        Image image = patternedImage();
        put(image, 898, c.bytes);
        EXPECT_EQ(CommandField{898}.digits(image), QString::fromLatin1(c.text)) << c.text;
    }
    EXPECT_EQ(commandByteDigits(0x05), QStringLiteral("05"));
}

TEST(Codec, CommandNumbersArePackedInTwoPairs) {
    const struct {
        const char* text;
        Bytes bytes;
    } cases[] = {
        {"0123", {0x01, 0x23}}, {"", {0x00, 0x00}},    {"1110", {0x11, 0x10}},
        {"*5#9", {0x05, 0x09}}, {"B12", {0x01, 0x12}},  // the first two and the last two characters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Image before = patternedImage();
        Image image = before;
        CommandField{898}.store(image, QString::fromLatin1(c.text));
        expectOnlyWritten(before, image, 898, c.bytes);
    }
}

}  // namespace
