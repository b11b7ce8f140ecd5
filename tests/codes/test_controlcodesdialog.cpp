// The control codes dialog: what it shows, what it asks the keypad, and the bytes it writes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "codes/controlcodesdialog.h"
#include "dialogharness.h"

namespace {

const int TableStart[] = {48, 4616, 5416, 6216, 7016};

// A code table in the written form: code k holds the single key k + 1 (codes 1..14: "1".."9",
// "0", "*", "#", "A", "B").
Bytes writtenTable() {
    Bytes table(112, 0);
    for (int k = 0; k < 14; ++k) {
        table[8 * k] = 1;
        table[8 * k + 1] = static_cast<std::uint8_t>(k + 1);
    }
    return table;
}
const char* const WrittenTexts[14] = {"1", "2", "3", "4", "5", "6", "7",
                                      "8", "9", "0", "*", "#", "A", "B"};

void putTable(Image& image, int block, const Bytes& table) {
    std::copy(table.begin(), table.end(), image.begin() + TableStart[block]);
}

QString code(int k) { return named("lblCode%1", k); }

// The written table with codes 0..4 stored in forms the fields show otherwise, and what they show.
Bytes irregularTable() {
    Bytes table = writtenTable();
    const Bytes stored[] = {
        {3, 0x31, 0x42, 0x93, 0x55, 0, 0, 0},  // high nibbles and a key past the length
        {9, 1, 2, 3, 4, 5, 6, 7},              // length above 7
        {0, 5, 5, 5, 5, 5, 5, 5},              // empty, with leftovers
        {2, 0xAD, 0x1E, 9, 9, 9, 9, 9},        // "AB" and leftovers
        {0xFF, 10, 0, 11, 12, 13, 14, 15},     // erased length byte
    };
    for (int k = 0; k < 5; ++k)
        std::copy(stored[k].begin(), stored[k].end(), table.begin() + 8 * k);
    return table;
}
const char* const IrregularTexts[] = {"123", "1234567", "", "AB", "0D*#ABC"};

TEST(CodesDialog, ShowsTheBlockTitleAndTheFourteenCaptions) {
    const char* const titles[] = {"Repeater Base Codes", "Memory Save #1 Codes",
                                  "Memory Save #2 Codes", "Memory Save #3 Codes",
                                  "Memory Save #4 Codes"};
    const char* const labels[] = {"Control Operator Code",
                                  "Time Request Prefix",
                                  "Memory Recall Prefix",
                                  "DTMF Access Number",
                                  "DTMF Pad Test Number",
                                  "User Function Switch Number",
                                  "Autopatch Access Number",
                                  "Autopatch Disconnect Number",
                                  "User Speed Dial Prefix Number",
                                  "Emergency Speed Dial Prefix",
                                  "Voice Demonstration Control Number",
                                  "Reverse Autopatch Access Number",
                                  "DVR Control Number",
                                  "Expanded User Function Switch"};
    for (int block = 0; block < 5; ++block) {
        SCOPED_TRACE(block);
        DialogHarness h;
        putTable(h.image, block, writtenTable());
        auto& dialog = h.openOn<ControlCodesDialog>(blockAt(block));
        EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(titles[block]));
        for (int k = 0; k < 14; ++k) {
            ValueField* f = h.field(code(k));
            EXPECT_EQ(f->value(), QString::fromLatin1(WrittenTexts[k])) << k;
            EXPECT_EQ(f->accessibleDescription(), QString::fromLatin1(labels[k])) << k;
            // Codes 0..6 down the left column, 7..13 down the right one.
            if (k % 7 != 0) {
                EXPECT_GT(f->y(), h.field(code(k - 1))->y()) << k;
            }
            if (k >= 7) {
                EXPECT_EQ(f->y(), h.field(code(k - 7))->y()) << k;
                EXPECT_GT(f->x(), h.field(code(k - 7))->x()) << k;
            }
        }
        auto* ok = dialog.findChild<QPushButton*>("cmdOK");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(h.image, h.before);
        EXPECT_TRUE(h.prompts.keypadCalls.empty());
    }
}

TEST(CodesDialog, EachCodeOpensTheKeypadWithItsHeading) {
    const char* const headings[] = {
        "Control Op Prefix",    "Time Request Number",   "Memory Recall Number",
        "DTMF Access Number",   "DTMF Pad Test",         "User Function Switch",
        "Autopatch Access",     "Autopatch Disconnect",  "User Speed Dial",
        "Emergency Speed Dial", "Voice Demo Number",     "Reverse Autopatch Number",
        "DVR Control Number",   "Expanded User Function"};
    DialogHarness h;
    putTable(h.image, 0, writtenTable());
    h.openOn<ControlCodesDialog>(blockAt(0));
    for (int k = 0; k < 14; ++k) {
        h.enterKeys(code(k), QString::fromLatin1(WrittenTexts[k]));
        ASSERT_EQ(h.prompts.keypadCalls.size(), std::size_t(k + 1));
        const KeypadRequest& call = h.prompts.keypadCalls.back();
        EXPECT_EQ(int(call.keySet), 3) << k;  // codes: 0..9, A, B, C, *, #
        EXPECT_EQ(call.limit, 7) << k;
        EXPECT_EQ(call.heading, QString::fromLatin1(headings[k])) << k;
        EXPECT_EQ(call.initial, QString::fromLatin1(WrittenTexts[k])) << k;
        EXPECT_EQ(call.check, EntryCheck::None) << k;
    }
}

TEST(CodesDialog, AnEditRewritesOnlyTheBlocksCodeTable) {
    // Code 0 of each block becomes "1A*"; the rest of the table is already in the written form.
    // Memory save #3 therefore writes 6216..6327 and nothing else.
    for (int block = 0; block < 5; ++block) {
        SCOPED_TRACE(block);
        DialogHarness h;
        putTable(h.image, block, writtenTable());
        h.openOn<ControlCodesDialog>(blockAt(block));
        h.enterKeys(code(0), QStringLiteral("1A*"));
        expectOnlyWritten(h.before, h.image, TableStart[block], {3, 1, 13, 11, 0, 0, 0, 0});
        EXPECT_EQ(h.shown(code(0)), QStringLiteral("1A*"));
    }
}

TEST(CodesDialog, UnchangedOkNormalisesTheWholeTable) {
    DialogHarness h;
    putTable(h.image, 3, irregularTable());
    h.openOn<ControlCodesDialog>(blockAt(3));
    for (int k = 0; k < 5; ++k) EXPECT_EQ(h.shown(code(k)), QString::fromLatin1(IrregularTexts[k]));

    // OK on code 6 with the field's own text still rewrites every code from its field.
    h.enterKeys(code(6), QStringLiteral("7"));

    Bytes expected = writtenTable();
    const Bytes normalised[] = {
        {3, 1, 2, 3, 0, 0, 0, 0},   {7, 1, 2, 3, 4, 5, 6, 7},       {0, 0, 0, 0, 0, 0, 0, 0},
        {2, 13, 14, 0, 0, 0, 0, 0}, {7, 10, 0, 11, 12, 13, 14, 15},
    };
    for (int k = 0; k < 5; ++k)
        std::copy(normalised[k].begin(), normalised[k].end(), expected.begin() + 8 * k);
    expectOnlyWritten(h.before, h.image, 6216, expected);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(h.shown(code(k)), QString::fromLatin1(IrregularTexts[k]));
}

TEST(CodesDialog, CancelledKeypadWritesNothing) {
    // On an irregular code (the erased length byte) and on a regular one.
    for (const int k : {4, 6}) {
        SCOPED_TRACE(k);
        DialogHarness h;
        putTable(h.image, 3, irregularTable());
        h.openOn<ControlCodesDialog>(blockAt(3));
        h.cancelKeys(code(k));
        ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
        EXPECT_TRUE(h.image == h.before) << changedOffsets(h.image, h.before);
        EXPECT_EQ(h.shown(code(4)), QStringLiteral("0D*#ABC"));
    }
}

TEST(CodesDialog, EmptyEntryStoresAnEmptyCode) {
    DialogHarness h;
    putTable(h.image, 1, writtenTable());
    h.openOn<ControlCodesDialog>(blockAt(1));
    h.enterKeys(code(13), QString());
    Bytes expected = writtenTable();
    std::fill(expected.begin() + 104, expected.end(), 0);
    expectOnlyWritten(h.before, h.image, 4616, expected);
    EXPECT_EQ(h.shown(code(13)), QString());
}

}  // namespace
