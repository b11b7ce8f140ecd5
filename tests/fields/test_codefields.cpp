// The codes' and telephone's tables: their rows against the dump, and the stores following the
// dialogs' rules (what an answer writes, what the keypad would refuse, what stays).
#include "codes/codefields.h"
#include "fieldcheck.h"

namespace {

const Fields::Field& row(const Fields::FieldList& table, const char* key) {
    for (const Fields::Field& field : table)
        if (field.key == QLatin1String(key)) return field;
    ADD_FAILURE() << "no row " << key;
    return table.front();
}

}  // namespace

TEST(CodeFields, TablesMatchTheDumpAndStoreInsideTheirBytes) {
    const Fields::FieldList tables[] = {CodeFields::unlockNumber(), CodeFields::preDialNumber(),
                                        CodeFields::userSpeedDials(),
                                        CodeFields::emergencySpeedDials()};
    for (const Fields::FieldList& table : tables) {
        expectTableMatchesDump(table);
        expectStoresStayInside(table);
    }
    for (int block = 0; block <= 4; ++block) {
        expectTableMatchesDump(CodeFields::controlCodes(block));
        expectStoresStayInside(CodeFields::controlCodes(block));
    }
    for (const Fields::FieldList& table : {CodeFields::areaCodes(), CodeFields::prefixes()}) {
        expectTableMatchesDump(table, false);
        expectStoresStayInside(table);
    }
}

TEST(CodeFields, ControlCodeAnswerRewritesTheBlocksWholeCodeTable) {
    const Fields::FieldList table = CodeFields::controlCodes(3);
    const Fields::Field& access = row(table, "codes.mem3.dtmf-access-number");
    const Image before = patternedImage();
    // Length 217 at 6240: seven keys from the low nibbles of 218..224.
    EXPECT_EQ(access.text(before), QStringLiteral("0*#ABCD"));

    Image image = before;
    EXPECT_EQ(access.store(image, QStringLiteral("12A*")), Fields::Stored::Written);
    EXPECT_EQ(access.text(image), QStringLiteral("12A*"));
    const Bytes written(image.begin() + 6240, image.begin() + 6248);
    EXPECT_EQ(written, (Bytes{4, 1, 2, 13, 11, 0, 0, 0}));
    // The control operator code (length 193) keeps its keys, stored with the length seven.
    const Bytes first(image.begin() + 6216, image.begin() + 6224);
    EXPECT_EQ(first, (Bytes{7, 2, 3, 4, 5, 6, 7, 8}));

    // Eight keys, or a Delay the codes pad does not show: nothing written.
    for (const char* refused : {"12345678", "1,2"}) {
        Image kept = before;
        EXPECT_EQ(access.store(kept, QLatin1String(refused)), Fields::Stored::Refused) << refused;
        EXPECT_TRUE(kept == before) << refused;
    }
}

TEST(CodeFields, UnlockTakesSevenKeysOrKeepsAnEmptyCode) {
    const Fields::Field unlock = CodeFields::unlockNumber().at(0);
    Image image = zeroImage();
    // Length 0 shows nothing; the unchanged empty answer is written as the dialog writes it:
    // length 7 and seven code-0 keys.
    EXPECT_EQ(unlock.store(image, QString()), Fields::Stored::Written);
    EXPECT_EQ(unlock.text(image), QStringLiteral("DDDDDDD"));
    image = zeroImage();

    EXPECT_EQ(unlock.store(image, QStringLiteral("123")), Fields::Stored::Refused);
    EXPECT_TRUE(image == zeroImage());
    EXPECT_EQ(unlock.refusalTitle, QStringLiteral("Unlock Number"));
    EXPECT_EQ(unlock.refusal, QStringLiteral("Error! Requires a 7 Digit Entry"));

    EXPECT_EQ(unlock.store(image, QStringLiteral("1230A*#")), Fields::Stored::Written);
    expectOnlyWritten(zeroImage(), image, 32, {7, 1, 2, 3, 10, 13, 11, 12});
    // Over a stored code the empty answer is written as seven code-0 keys.
    EXPECT_EQ(unlock.store(image, QString()), Fields::Stored::Written);
    EXPECT_EQ(unlock.text(image), QStringLiteral("DDDDDDD"));
    // The pad has no "D": only the unchanged starting text brings one back.
    EXPECT_EQ(unlock.store(image, QStringLiteral("123456D")), Fields::Stored::Refused);
    EXPECT_EQ(unlock.store(image, QStringLiteral("DDDDDDD")), Fields::Stored::Written);
}

TEST(CodeFields, SpeedDialNumberStoreKeepsTheIdentification) {
    const Fields::FieldList table = CodeFields::userSpeedDials();
    const Fields::Field& number = row(table, "speed-dial.57.number");
    const Fields::Field& identification = row(table, "speed-dial.57.identification");
    Image before = patternedImage();
    // Digits 9, delay + 1, 1; then two words: 210 ("A") and 5.
    const Bytes record = {3, 9, 0x11, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 10, 0, 5};
    std::copy(record.begin(), record.end(), before.begin() + 3008);
    EXPECT_EQ(number.text(before), QStringLiteral("9,11"));

    Image image = before;
    EXPECT_EQ(number.store(image, QStringLiteral("555,1212")), Fields::Stored::Written);
    expectOnlyWritten(before, image, 3008, {7, 5, 5, 5, 0x11, 2, 1, 2, 0, 0, 0, 0});
    EXPECT_EQ(identification.text(image), QStringLiteral(" A 5"));

    // A delay on its own byte and one before the digit show as ",,1"; the unchanged text is
    // stored as the dialog's OK stores it: both delays on the digit's byte, shown as ",1".
    image = before;
    image[3008] = 2, image[3009] = 0x1D, image[3010] = 0x11;
    const Image twoDelays = image;
    EXPECT_EQ(number.text(image), QStringLiteral(",,1"));
    EXPECT_EQ(number.store(image, QStringLiteral(",,1")), Fields::Stored::Written);
    expectOnlyWritten(twoDelays, image, 3008, {1, 0x21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(number.text(image), QStringLiteral(",1"));
    // Eleven digits each after a delay: 22 characters, which the pad's OK refuses.
    image[3008] = 11;
    std::fill_n(image.begin() + 3009, 11, 0x11);
    const Image delays = image;
    EXPECT_EQ(number.store(image, number.text(image)), Fields::Stored::Refused);
    EXPECT_TRUE(image == delays);
    EXPECT_EQ(number.refusalTitle, QStringLiteral("Telephone Number"));
    EXPECT_EQ(number.refusal, QStringLiteral("Error! Maximum 16 Digit Entry"));

    // The identification is the composer's: its answer is the words' numbers, at most eight
    // words of the vocabulary; the count and the words are written, the bytes behind them stay.
    const Fields::FieldList emergencies = CodeFields::emergencySpeedDials();
    const Fields::Field& emergency = row(emergencies, "emergency-speed-dial.4.identification");
    EXPECT_EQ(emergency.edit, Fields::Edit::Composer);
    EXPECT_EQ(emergency.writes, (Fields::ByteRanges{{1280, 17}}));
    EXPECT_EQ(emergency.compose(before).wordLimit, 8);
    const Image start = patternedImage();
    image = start;
    EXPECT_EQ(emergency.store(image, QStringLiteral("210 005")), Fields::Stored::Written);
    expectOnlyWritten(start, image, 1280, {2, 2, 10, 0, 5});
    for (const char* refused : {"005 005 005 005 005 005 005 005 005", "05", "abc"}) {
        image = start;
        EXPECT_EQ(emergency.store(image, QLatin1String(refused)), Fields::Stored::Refused)
            << refused;
        EXPECT_TRUE(image == start) << refused;
    }
    EXPECT_EQ(emergency.store(image, QString()), Fields::Stored::Written);
    expectOnlyWritten(start, image, 1280, {0});
}

TEST(CodeFields, AreaCodeAndPrefixAnswersRewriteTheirTables) {
    const Fields::FieldList table = CodeFields::areaCodes();
    const Fields::Field& area = row(table, "area-codes.02");
    Image image = zeroImage();
    // Area code 5 is 907 but the count byte says none.
    image[7341] = 9, image[7342] = 10, image[7343] = 7;
    const Image before = image;
    EXPECT_EQ(area.store(image, QStringLiteral("305")), Fields::Stored::Written);
    Bytes areas(31, 0);
    areas[0] = 2;
    areas[4] = 3, areas[5] = 10, areas[6] = 5;
    areas[13] = 9, areas[14] = 10, areas[15] = 7;
    expectOnlyWritten(before, image, 7328, areas);

    const Image stored = image;
    EXPECT_EQ(area.store(image, QStringLiteral("30")), Fields::Stored::Refused);
    EXPECT_TRUE(image == stored);
    EXPECT_EQ(area.refusalTitle, QStringLiteral("Area Code Entry"));
    EXPECT_EQ(area.refusal, QStringLiteral("Error! Need 3 Digit Entry"));

    // Prefix 47: group 2, line 1, place 2; the group's four lines are written with their counts.
    image = zeroImage();
    const Fields::FieldList prefixes = CodeFields::prefixes();
    EXPECT_EQ(row(prefixes, "prefixes.47").store(image, QStringLiteral("555")),
              Fields::Stored::Written);
    Bytes group(64, 0);
    group[16] = 1;
    group[23] = group[24] = group[25] = 5;
    expectOnlyWritten(zeroImage(), image, 7136, group);
}
