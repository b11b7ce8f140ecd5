// The devices' tables: zones, courtesy tones, CW message, expanded switches and user inputs.
#include <algorithm>

#include "devices/devicefields.h"
#include "fieldcheck.h"

namespace {
Fields::Field row(const Fields::FieldList& table, const QString& key) {
    const auto at = std::find_if(table.begin(), table.end(), [&](auto& f) { return f.key == key; });
    if (at != table.end()) return *at;
    ADD_FAILURE() << "no row " << key.toStdString();
    return {};
}
}  // namespace

TEST(DeviceFields, EveryTableMatchesTheDumpAndStoresInside) {
    std::vector<Fields::FieldList> tables = {
        DeviceFields::courtesyTones(), DeviceFields::cwMessage(), DeviceFields::expandedSwitches(),
        DeviceFields::userInputs()};
    for (int block = 0; block <= 4; ++block) tables.push_back(DeviceFields::zones(block));
    for (const Fields::FieldList& table : tables) {
        expectTableMatchesDump(table);
        expectStoresStayInside(table);
    }
}

// "on" sets exactly the one bit, "off" clears it, never a flip; anything else writes nothing.
TEST(DeviceFields, ZoneFlagsAndSwitchBitsStoreOneBit) {
    const Fields::Field flag = row(DeviceFields::zones(1), "zones.mem1.zone-3.flag-5");
    Image image = zeroImage();
    EXPECT_EQ(flag.store(image, "on"), Fields::Stored::Written);
    EXPECT_EQ(flag.store(image, "ON"), Fields::Stored::Refused);
    expectOnlyWritten(zeroImage(), image, 4610, {0x10});

    const Fields::Field bit = row(DeviceFields::expandedSwitches(), "expanded-switches.18.bit-8");
    const Image patterned = patternedImage();  // byte 1089 holds 86: bit 8 off
    image = patterned;
    bit.store(image, "on");
    bit.store(image, "on");
    expectOnlyWritten(patterned, image, 1089, {86 + 0x80});
    EXPECT_EQ(bit.store(image, "off"), Fields::Stored::Written);
    EXPECT_TRUE(image == patterned);
}

// The keypad answers a code digit; the byte holds it, 0 for a digit outside the field's table.
// An empty answer over a value the field cannot show leaves it.
TEST(DeviceFields, CourtesyToneStoresTheKeypadCode) {
    const Fields::FieldList table = DeviceFields::courtesyTones();
    const Fields::Field hertz = row(table, "courtesy-tones.2.tone-2-hertz");  // byte 837
    const Fields::Field msec = row(table, "courtesy-tones.2.dly-2-msec");     // byte 839
    Image image = zeroImage();
    image[834] = 4;  // 600 Hz: the row is not blank
    EXPECT_EQ(hertz.request(image).initial, QStringLiteral("0"));
    EXPECT_EQ(msec.answerFor("150"), QStringLiteral("3"));
    // clang-format off
    struct Case { const Fields::Field& field; const char* answer; int offset; int byte; const char* shown; };
    const Case cases[] = {
        {hertz, "8", 837, 8, "1000"},
        {hertz, "9", 837, 0, "0"},
        {msec,  "9", 839, 9, "450"},
        {msec,  "",  839, 0, "0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Image before = image;
        EXPECT_EQ(c.field.store(image, c.answer), Fields::Stored::Written) << c.answer;
        expectOnlyWritten(before, image, c.offset, {std::uint8_t(c.byte)});
        EXPECT_EQ(c.field.text(image), QLatin1String(c.shown)) << c.answer;
    }
    image[839] = 12;  // no time: the field shows nothing, and its unchanged OK writes 0
    const Image unshowable = image;
    EXPECT_EQ(msec.store(image, ""), Fields::Stored::Written);
    expectOnlyWritten(unshowable, image, 839, {0});
}

// An input's number is written only when the answer differs from it, so an unchanged erased
// FFFF stays; the CW message has no store and reads as far as its count says.
TEST(DeviceFields, UserInputsAndCwMessage) {
    const Fields::Field command = row(DeviceFields::userInputs(), "user-inputs.input-2.command");
    Image image;
    image.fill(0xFF);
    const Image erased = image;
    EXPECT_EQ(command.store(image, command.text(image)), Fields::Stored::Unchanged);
    EXPECT_TRUE(image == erased);
    EXPECT_EQ(command.store(image, "1234"), Fields::Stored::Written);
    expectOnlyWritten(erased, image, 1072, {0x12, 0x34});

    // The CW message is stored from its text: a prosign is one character, "(Empty)" none.
    const Fields::Field cw = DeviceFields::cwMessage().at(0);
    EXPECT_EQ(cw.writes, (Fields::ByteRanges{{794, 32}}));
    const struct {
        const char* text;
        Bytes stored;  // empty: refused
    } messages[] = {
        {"CQ DE (AR)", {7, 12, 26, 38, 13, 14, 38, 37}},
        {"((SK)?", {3, 45, 46, 43}},
        {"(Empty)", {0}},
        {"cq", {}},
        {"(SK", {3, 45, 28, 20}},
        {"(SK))", {}},
        {"EEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE", {}},  // 32 characters
    };
    for (const auto& m : messages) {
        image = patternedImage();
        const Image before = image;
        const Fields::Stored result = cw.store(image, QLatin1String(m.text));
        if (m.stored.empty()) {
            EXPECT_EQ(result, Fields::Stored::Refused) << m.text;
            EXPECT_TRUE(image == before) << m.text;
        } else {
            expectOnlyWritten(before, image, 794, m.stored);
            EXPECT_EQ(cw.text(image), QLatin1String(m.text));
        }
    }
    image[794] = 40;
    EXPECT_EQ(cw.reads(image), (Fields::ByteRanges{{794, 41}}));
}
