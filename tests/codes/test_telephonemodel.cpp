// Speed-dial records, the pre-dial and unlock numbers, and the area-code and prefix tables, byte
// for byte; and what each entry shows and prints.
#include <gtest/gtest.h>

#include "codes/speeddial.h"
#include "codes/telephonecodes.h"
#include "imagecheck.h"

TEST(SpeedDial, EntriesShowNumberAndIdentificationByTheirTablesRules) {
    Image image = zeroImage();
    // Digit count, digits; then the identification: count 2, words 210 ("A") and 5.
    const Bytes record = {3, 9, 0x11, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 10, 0, 5};
    // clang-format off
    const struct {
        int count;  // digit count byte
        const char* user[2];       // number, identification
        const char* emergency[2];
    } cases[] = {
        {3,  {"9,11", " A 5"}, {"9,11", " A 5"}},
        {0,  {"", ""},         {"", ""}},
        {11, {"9,11", " A 5"}, {"9,11", " A 5"}},  // the digits past the third are 0
        {12, {"", ""},         {"", " A 5"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::copy(record.begin(), record.end(), image.begin() + SpeedDial::userOffset(57));
        std::copy(record.begin(), record.end(), image.begin() + SpeedDial::emergencyOffset(4));
        image[3008] = image[1268] = static_cast<std::uint8_t>(c.count);
        const auto user = SpeedDial::userEntry(image, 57);
        const auto emergency = SpeedDial::emergencyEntry(image, 4);
        const QString eleven = QStringLiteral("9,1100000000");
        const QString number = c.count == 11 ? eleven : QString::fromLatin1(c.user[0]);
        EXPECT_EQ(user.number, number) << c.count;
        EXPECT_EQ(user.identification, QString::fromLatin1(c.user[1])) << c.count;
        EXPECT_EQ(emergency.number, c.count == 11 ? eleven : QString::fromLatin1(c.emergency[0]))
            << c.count;
        EXPECT_EQ(emergency.identification, QString::fromLatin1(c.emergency[1])) << c.count;
        // The listing prints the number as an emergency row shows it, and always the words.
        const auto printed = SpeedDial::printedEntry(image, 3008);
        EXPECT_EQ(printed.number, emergency.number) << c.count;
        EXPECT_EQ(printed.identification, QStringLiteral(" A 5")) << c.count;
    }
    // A count of nine words shows the eight that fit in the record; the listing prints all nine.
    image[3008] = 3;
    image[3020] = 9;
    EXPECT_EQ(SpeedDial::userEntry(image, 57).identification.count(QLatin1Char(' ')), 8);
    EXPECT_EQ(SpeedDial::printedEntry(image, 3008).identification.count(QLatin1Char(' ')), 9);
}

TEST(SpeedDial, NumberRequestsAndIdentificationField) {
    EXPECT_EQ(SpeedDial::userNumberRequest(57, QStringLiteral("911")),
              (KeypadRequest{KeySet::Telephone, 11, QStringLiteral("Telephone Number 57"),
                             QStringLiteral("911"), EntryCheck::AtMost16}));
    EXPECT_EQ(SpeedDial::emergencyNumberRequest(0, QString()).heading,
              QStringLiteral("Emergency Number 0"));
    // The identification of emergency entry 4 writes within its record only.
    const Image before = patternedImage();
    Image image = before;
    SpeedDial::identificationField(SpeedDial::emergencyOffset(4)).store(image, {true, {"210"}});
    expectOnlyWritten(before, image, 1280, {1, 2, 10});
}

TEST(TelephoneCodes, PreDialAndUnlockBytes) {
    // clang-format off
    const struct {
        const char* what;
        void (*store)(Image&, const QString&);
        int offset;
        const char* text;
        Bytes bytes;
        const char* shownAgain;
    } cases[] = {
        {"pre-dial 9 and a delay", PreDial::store, 1140, "9,", {2, 9, 0, 0, 0, 0, 0, 0}, "9D"},
        {"empty pre-dial", PreDial::store, 1140, "", {0, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"unlock of seven keys", Unlock::store, 32, "1230A*#", {7, 1, 2, 3, 10, 13, 11, 12}, "1230A*#"},
        {"empty unlock", Unlock::store, 32, "", {7, 0, 0, 0, 0, 0, 0, 0}, "DDDDDDD"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Image before = patternedImage();
        Image image = before;
        c.store(image, QString::fromLatin1(c.text));
        expectOnlyWritten(before, image, c.offset, c.bytes);
        EXPECT_EQ(c.offset == 32 ? Unlock::text(image) : PreDial::text(image),
                  QString::fromLatin1(c.shownAgain));
    }
    EXPECT_EQ(Unlock::request(QString()).check, EntryCheck::SevenDigits);
    EXPECT_EQ(PreDial::request(QString()).keySet, KeySet::Telephone);
}

TEST(TelephoneCodes, AreaCodesAndPrefixesKeepTheirPlacesAndCount) {
    const Image before = patternedImage();
    Image image = before;
    std::array<QString, AreaCodes::Count> areas;
    areas[1] = QStringLiteral("305");
    areas[4] = QStringLiteral("907");
    AreaCodes::store(image, areas);
    Bytes table(31, 0);
    table[0] = 2;
    table[4] = 3, table[5] = 10, table[6] = 5;
    table[13] = 9, table[14] = 10, table[15] = 7;
    expectOnlyWritten(before, image, 7328, table);
    EXPECT_EQ(AreaCodes::text(image, 1), QStringLiteral("305"));
    EXPECT_EQ(AreaCodes::text(image, 0), QString());
    EXPECT_EQ(AreaCodes::request(0, QString()).heading, QStringLiteral("Area Code 1"));

    // Prefix 47: group 2, line 1, place 2; the other groups keep their bytes.
    Image prefixes = before;
    std::array<QString, Prefixes::PerGroup> group;
    group[7] = QStringLiteral("555");
    Prefixes::storeGroup(prefixes, 2, group);
    Bytes groupBytes(64, 0);
    groupBytes[16] = 1;
    groupBytes[23] = groupBytes[24] = groupBytes[25] = 5;
    expectOnlyWritten(before, prefixes, 7136, groupBytes);
    EXPECT_EQ(Prefixes::text(prefixes, 47), QStringLiteral("555"));
    EXPECT_EQ(Prefixes::request(47, QString()).heading, QStringLiteral("Prefix Code 47"));
}
