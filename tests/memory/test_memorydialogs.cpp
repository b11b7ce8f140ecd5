// Memory save copying and memory flush, driven by clicks on the real dialogs.
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/settings.h"
#include "dialogharness.h"
#include "memory/memorycopydialog.h"
#include "memory/memoryflushdialog.h"

namespace {

Settings layout(bool fourMemorySaves) {
    Settings settings;
    settings.fourMemorySaves = fourMemorySaves;
    return settings;
}

// ---- Memory save copying -------------------------------------------------------------------

struct CopyCase {
    int row;
    int save;
    int source;
    int length;
    int target;
};

// Sources and target starts of the four kinds of Base data in the four memory saves.
const CopyCase CopyCases[] = {
    {0, 1, 40, 8, 4608},    {0, 2, 40, 8, 5408},    {0, 3, 40, 8, 6208},    {0, 4, 40, 8, 7008},
    {1, 1, 48, 112, 4616},  {1, 2, 48, 112, 5416},  {1, 3, 48, 112, 6216},  {1, 4, 48, 112, 7016},
    {2, 1, 178, 32, 4746},  {2, 2, 178, 32, 5546},  {2, 3, 178, 32, 6346},  {2, 4, 178, 32, 7146},
    {3, 1, 218, 576, 4786}, {3, 2, 218, 576, 5586}, {3, 3, 218, 576, 6386}, {3, 4, 218, 576, 7186},
};

QString copyName(int row, int save) { return QStringLiteral("cmdCopy_%1_%2").arg(row).arg(save); }

void expectCopyConfirmed(const ScriptedPrompts& prompts, std::size_t count) {
    ASSERT_EQ(prompts.messages.size(), count);
    EXPECT_EQ(prompts.beeps, int(count));
    for (const RecordedMessage& m : prompts.messages) {
        EXPECT_EQ(m.kind, RecordedMessage::Message);
        EXPECT_EQ(m.icon, Icon::Information);
        EXPECT_EQ(m.title, QStringLiteral("Memory Files Configuration"));
        EXPECT_EQ(m.text, QStringLiteral(" Memory File Data Copy OK "));
    }
}

TEST(MemoryCopy, EachRowCopiesItsBaseBytesIntoTheChosenMemorySaveOnly) {
    for (const CopyCase& c : CopyCases) {
        SCOPED_TRACE(copyName(c.row, c.save).toStdString());
        const Settings settings = layout(true);
        DialogHarness h;
        h.settings = settings;
        h.open<MemoryCopyDialog>();

        h.click(copyName(c.row, c.save));

        expectOnlyWritten(
            h.before, h.image, c.target,
            Bytes(h.before.begin() + c.source, h.before.begin() + c.source + c.length));
        expectCopyConfirmed(h.prompts, 1);
    }
}

TEST(MemoryCopy, NamedCasesWriteExactlyTheirRanges) {
    const Settings settings = layout(true);
    DialogHarness h;
    h.settings = settings;
    h.open<MemoryCopyDialog>();

    // Voice messages into memory save #2: 5586..6161 take 218..793.
    h.click(copyName(3, 2));
    for (int i = 5586; i <= 6161; ++i) ASSERT_EQ(h.image[i], h.before[i - 5586 + 218]) << i;
    EXPECT_EQ(h.image[5585], h.before[5585]);
    EXPECT_EQ(h.image[6162], h.before[6162]);

    // Control numbers into memory save #4: 7016..7127.
    h.image = h.before;
    h.click(copyName(1, 4));
    for (int i = 0; i < ImageSize; ++i)
        ASSERT_EQ(h.image[i] != h.before[i], i >= 7016 && i <= 7127) << i;
}

TEST(MemoryCopy, CopyingTwiceEqualsCopyingOnceAndConfirmsBothTimes) {
    const Settings settings = layout(true);
    DialogHarness once;
    once.settings = settings;
    once.open<MemoryCopyDialog>();
    once.click(copyName(2, 3));
    DialogHarness twice;
    twice.settings = settings;
    twice.open<MemoryCopyDialog>();
    twice.click(copyName(2, 3));
    twice.click(copyName(2, 3));

    EXPECT_EQ(twice.image, once.image);
    EXPECT_NE(twice.image, patternedImage());
    expectCopyConfirmed(twice.prompts, 2);
}

TEST(MemoryCopy, ColumnFourFollowsTheMemoryLayoutEachTimeTheDialogBecomesActive) {
    Settings settings = layout(false);
    DialogHarness h;
    h.settings = settings;
    auto& dialog = h.open<MemoryCopyDialog>();

    for (int row = 0; row < 4; ++row) {
        for (int save = 1; save <= 4; ++save)
            EXPECT_EQ(child<QPushButton>(dialog, copyName(row, save))->isEnabled(), save != 4)
                << row << "/" << save;
        // A click on a disabled button must not reach the area-code and prefix tables.
        h.click(copyName(row, 4));
    }
    EXPECT_EQ(h.image, h.before);
    EXPECT_TRUE(h.prompts.messages.empty());
    EXPECT_EQ(h.prompts.beeps, 0);

    h.settings.fourMemorySaves = true;
    reactivate(dialog);
    for (int row = 0; row < 4; ++row)
        EXPECT_TRUE(child<QPushButton>(dialog, copyName(row, 4))->isEnabled()) << row;

    h.settings.fourMemorySaves = false;
    reactivate(dialog);
    for (int row = 0; row < 4; ++row)
        EXPECT_FALSE(child<QPushButton>(dialog, copyName(row, 4))->isEnabled()) << row;
}

TEST(MemoryCopy, ShowsItsTitleHeadingsAndRowCaptions) {
    const Settings settings = layout(true);
    DialogHarness h(zeroImage());
    h.settings = settings;
    auto& dialog = h.open<MemoryCopyDialog>();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Memory Files Configuration"));
    const QString rows[] = {"Zone Channels", "Control Numbers", "Repeater Timers",
                            "Voice Messages."};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(child<QLabel>(dialog, QStringLiteral("lblRow%1").arg(row))->text(), rows[row]);
    for (int save = 1; save <= 4; ++save)
        EXPECT_EQ(child<QLabel>(dialog, QStringLiteral("lblSave%1").arg(save))->text(),
                  QString::number(save));
    EXPECT_EQ(child<QLabel>(dialog, QStringLiteral("lblInto"))->text(),
              QStringLiteral("Into Memory Saves"));
    EXPECT_EQ(child<QLabel>(dialog, QStringLiteral("lblFrom"))->text(),
              QStringLiteral("From Base"));
    EXPECT_EQ(dialog.findChildren<QPushButton*>(QRegularExpression("^cmdCopy_")).size(), 16);
    EXPECT_EQ(child<QPushButton>(dialog, copyName(0, 1))->text(), QStringLiteral("Copy"));
    EXPECT_EQ(child<QPushButton>(dialog, QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
}

// ---- Memory flush --------------------------------------------------------------------------

struct FlushCase {
    int row;
    int first;
    int last;
};

const FlushCase FlushCases[] = {
    {0, 1298, 4297}, {1, 1148, 1297}, {2, 4298, 4577}, {3, 890, 1069},  {4, 218, 793},
    {5, 4608, 5393}, {6, 5408, 6193}, {7, 6208, 6993}, {8, 7008, 7793},
};

QString flushName(int row) { return QStringLiteral("cmdFlush%1").arg(row); }

QColor boxColour(MemoryFlushDialog& dialog, int row) {
    return child<QFrame>(dialog, QStringLiteral("shpBox%1").arg(row))
        ->palette()
        .color(QPalette::Window);
}

void expectBoxes(MemoryFlushDialog& dialog, const std::array<bool, 9>& filled) {
    for (int row = 0; row < 9; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(dialog.isFilled(row), filled[row]);
        EXPECT_EQ(boxColour(dialog, row), filled[row] ? QColor(Qt::red) : QColor(Qt::white));
        EXPECT_EQ(
            child<QFrame>(dialog, QStringLiteral("shpBox%1").arg(row))->accessibleDescription(),
            filled[row] ? QStringLiteral("contains data") : QStringLiteral("empty"));
    }
}

TEST(MemoryFlush, AnAllZeroImageShowsNineWhiteBoxes) {
    const Settings settings = layout(true);
    DialogHarness h(zeroImage());
    h.settings = settings;
    auto& dialog = h.open<MemoryFlushDialog>();
    expectBoxes(dialog, {});
}

TEST(MemoryFlush, ASingleNonZeroByteFillsOnlyTheBoxOfItsArea) {
    // Offset of the one non-zero byte -> row whose box turns red (-1: none).
    const std::pair<int, int> cases[] = {
        {4297, 0},  {4298, 2}, {1298, 0}, {1297, 1},  {1148, 1},  {1147, -1}, {4577, 2},
        {4578, -1}, {890, 3},  {1069, 3}, {1070, -1}, {889, -1},  {218, 4},   {793, 4},
        {794, -1},  {217, -1}, {4608, 5}, {5393, 5},  {5394, -1}, {5407, -1}, {5408, 6},
        {6193, 6},  {6208, 7}, {6993, 7}, {7008, 8},  {7793, 8},  {7794, -1}, {0, -1},
    };
    for (const auto& [offset, row] : cases) {
        SCOPED_TRACE(offset);
        const Settings settings = layout(true);
        DialogHarness h(zeroImage());
        h.image[offset] = 0x01;
        h.settings = settings;
        auto& dialog = h.open<MemoryFlushDialog>();
        std::array<bool, 9> filled{};
        if (row >= 0) filled[row] = true;
        expectBoxes(dialog, filled);
    }
}

TEST(MemoryFlush, YesClearsExactlyTheRowsAreaAndRedisplays) {
    for (const FlushCase& c : FlushCases) {
        SCOPED_TRACE(c.row);
        const Settings settings = layout(true);
        DialogHarness h;
        h.prompts.answers = {Answer::Yes};
        h.settings = settings;
        auto& dialog = h.open<MemoryFlushDialog>();
        std::array<bool, 9> filled;
        filled.fill(true);
        expectBoxes(dialog, filled);

        h.click(flushName(c.row));

        expectOnlyWritten(h.before, h.image, c.first, Bytes(c.last - c.first + 1, 0));
        ASSERT_EQ(h.prompts.messages.size(), 1u);
        EXPECT_EQ(h.prompts.messages[0].kind, RecordedMessage::YesNo);
        EXPECT_EQ(h.prompts.messages[0].icon, Icon::Warning);
        EXPECT_EQ(h.prompts.messages[0].title, QStringLiteral("Erase Process"));
        EXPECT_EQ(h.prompts.messages[0].text, QStringLiteral("Are you sure you want to Erase?"));
        filled[c.row] = false;
        expectBoxes(dialog, filled);
    }
}

TEST(MemoryFlush, FlushingStopsAtTheAreaBoundaries) {
    const Settings settings = layout(true);
    DialogHarness h;
    h.prompts.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    h.settings = settings;
    auto& dialog = h.open<MemoryFlushDialog>();

    // Emergency speed dial ends at 1297; 1298 is the first byte of the user speed dial.
    h.click(flushName(1));
    EXPECT_EQ(h.image[1297], 0);
    EXPECT_EQ(h.image[1298], h.before[1298]);
    EXPECT_EQ(h.image[1147], h.before[1147]);
    EXPECT_TRUE(dialog.isFilled(0));

    // A memory save row covers its whole block, unused tail included, and none of the gap after
    // it: memory save #1 is 4608..5393 (tail 5362..5393), memory save #2 is 5408..6193.
    h.click(flushName(5));
    for (int i = 5362; i <= 5393; ++i) EXPECT_EQ(h.image[i], 0) << i;
    for (int i = 5394; i <= 5407; ++i) EXPECT_EQ(h.image[i], h.before[i]) << i;
    EXPECT_EQ(h.image[4607], h.before[4607]);

    h.click(flushName(6));
    for (int i = 5394; i <= 5407; ++i) EXPECT_EQ(h.image[i], h.before[i]) << i;
    for (int i = 6162; i <= 6193; ++i) EXPECT_EQ(h.image[i], 0) << i;
    for (int i = 6194; i <= 6207; ++i) EXPECT_EQ(h.image[i], h.before[i]) << i;
}

TEST(MemoryFlush, NoLeavesTheImageAndTheBoxesAlone) {
    for (int row = 0; row < 9; ++row) {
        SCOPED_TRACE(row);
        const Settings settings = layout(true);
        DialogHarness h(zeroImage());
        h.image[FlushCases[row].last] = 0x80;  // only this row shows data
        h.prompts.answers = {Answer::No};
        h.settings = settings;
        auto& dialog = h.open<MemoryFlushDialog>();
        std::array<bool, 9> filled{};
        filled[row] = true;

        h.click(flushName(row));

        EXPECT_EQ(h.image, h.before);
        EXPECT_EQ(h.prompts.messages.size(), 1u);
        expectBoxes(dialog, filled);
    }
}

TEST(MemoryFlush, CaptionsAreExactAndRowEightFollowsTheMemoryLayout) {
    const QString captions[] = {"User Speed Dial Memory",
                                "Emergency Speed Dial Memory",
                                "Schedular Memory ",
                                "Macro Memory ",
                                "Base Voice Synthesizer Messages ",
                                "Memory Save #1",
                                "Memory Save #2",
                                "Memory Save #3"};
    Settings settings = layout(true);
    DialogHarness h(zeroImage());
    h.settings = settings;
    auto& dialog = h.open<MemoryFlushDialog>();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Flush Memory Blocks"));
    EXPECT_EQ(child<QLabel>(dialog, QStringLiteral("lblLegend"))->text(),
              QStringLiteral("If box is filled, Memory Contains Data"));
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(child<QLabel>(dialog, QStringLiteral("lblCaption%1").arg(row))->text(),
                  captions[row]);
        EXPECT_EQ(child<QPushButton>(dialog, flushName(row))->text(), QStringLiteral("Flush"));
    }
    QLabel* row8 = child<QLabel>(dialog, QStringLiteral("lblCaption8"));
    EXPECT_EQ(row8->text(), QStringLiteral("Memory Save #4"));

    h.settings.fourMemorySaves = false;
    reactivate(dialog);
    EXPECT_EQ(row8->text(), QStringLiteral("Area Codes / Prefix Numbers"));
    h.settings.fourMemorySaves = true;
    reactivate(dialog);
    EXPECT_EQ(row8->text(), QStringLiteral("Memory Save #4"));
}

TEST(MemoryFlush, RowEightClearsThePrefixAndAreaCodeTablesUnderThatLayout) {
    const Settings settings = layout(false);
    DialogHarness h;
    h.prompts.answers = {Answer::Yes};
    h.settings = settings;
    auto& dialog = h.open<MemoryFlushDialog>();
    ASSERT_EQ(child<QLabel>(dialog, QStringLiteral("lblCaption8"))->text(),
              QStringLiteral("Area Codes / Prefix Numbers"));

    h.click(flushName(8));

    expectOnlyWritten(h.before, h.image, 7008, Bytes(7793 - 7008 + 1, 0));
    EXPECT_FALSE(dialog.isFilled(8));
}

}  // namespace
