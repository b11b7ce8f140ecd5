// Timers: the count encoding, its texts, and the timers dialog driven through its value fields
// with scripted keypad answers.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <set>

#include "devices/timers.h"
#include "devices/timersdialog.h"
#include "dialogharness.h"
#include "formats/keypadrequest.h"

namespace {

QString timeField(int timer) { return named("lblTime%1", timer); }

}  // namespace

TEST(TimerModel, CountDecodingAndTexts) {
    struct Case {
        std::uint8_t b0, b1;
        TimerKind kind;
        int count;
        const char* text;
    };
    const Case cases[] = {
        {0x00, 0x00, TimerKind::Seconds, 0, "00:00"},
        {0x00, 0x00, TimerKind::Tenths, 0, "0.0"},
        {0x2C, 0x01, TimerKind::Seconds, 300, "05:00"},
        {0x2C, 0xF9, TimerKind::Seconds, 300, "05:00"},  // upper five bits ignored
        {0x5A, 0x00, TimerKind::Seconds, 90, "01:30"},
        {0x08, 0x07, TimerKind::Seconds, 1800, "30:00"},
        {0xFF, 0x07, TimerKind::Seconds, 2047, "34:07"},
        {0xFF, 0xFF, TimerKind::Seconds, 2047, "34:07"},
        {0x0F, 0x00, TimerKind::Tenths, 15, "1.5"},
        {0x63, 0x00, TimerKind::Tenths, 99, "9.9"},
        {0x64, 0x00, TimerKind::Tenths, 100, "10.0"},
        {0xFF, 0x07, TimerKind::Tenths, 2047, "204.7"},
    };
    for (const Case& c : cases) {
        Image image{};
        image[500] = c.b0;
        image[501] = c.b1;
        EXPECT_EQ(timerCount(image, 500), c.count) << c.text;
        EXPECT_EQ(timerText(timerCount(image, 500), c.kind), QString::fromLatin1(c.text));
    }
}

TEST(TimerModel, KeypadTextFromDisplayedValue) {
    struct Case {
        const char* shown;
        TimerKind kind;
        const char* initial;
    };
    const Case cases[] = {
        {"01:30", TimerKind::Seconds, "90"},   {"00:00", TimerKind::Seconds, "0"},
        {"30:00", TimerKind::Seconds, "1800"}, {"34:07", TimerKind::Seconds, "2047"},
        {"1.5", TimerKind::Tenths, "15"},      {"0.0", TimerKind::Tenths, "0"},
        {"9.9", TimerKind::Tenths, "99"},      {"204.7", TimerKind::Tenths, "2047"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timerKeypadText(QString::fromLatin1(c.shown), c.kind),
                  QString::fromLatin1(c.initial))
            << c.shown;
}

TEST(TimerModel, TableCaptionsHeadingsAndOffsets) {
    const char* labels[] = {
        "Repeater Time-Out",     "Repeater Sleep",    "Turn On Delay",    "COR Drop To Beep",
        "Beep To PTT Drop",      "DTMF Muting Delay", "Repeater ID",      "Squelch Message",
        "Drop Out Message",      "Voice Delay",       "Autopatch Length", "Autopatch Activity",
        "DTMF Pre Window Timer", "DTMF Window Timer", "Prgm Max Length",  "Ring Detector Timer"};
    const char* headings[] = {"Repeater Time-Out", "Repeater Sleep",       "Turn-On Delay",
                              "COR Drop To Beep",  "Beep To PTT Drop",     "DTMF Muting Delay",
                              "Repeater ID",       "Squelch Tail Message", "Drop-Out Message",
                              "Voice Delay.",      "Autopatch Length",     "Autopatch Activity",
                              "DTMF Pre-window",   "DTMF Window",          "Programming Max Length",
                              "Ring Detector"};
    const std::set<int> tenths = {2, 3, 4, 5, 9, 12, 13};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(timerLabel(i), QString::fromLatin1(labels[i]));
        EXPECT_EQ(timerHeading(i), QString::fromLatin1(headings[i]));
        EXPECT_EQ(timerUnit(i),
                  tenths.count(i) ? QStringLiteral("Sec") : QStringLiteral("Min:Sec"));
    }
    EXPECT_EQ(timerHeading(-1), QString());
    EXPECT_EQ(timerHeading(16), QString());

    const char* titles[] = {"Repeater Base Timers", "Memory Save #1 Timers",
                            "Memory Save #2 Timers", "Memory Save #3 Timers",
                            "Memory Save #4 Timers"};
    const int starts[] = {178, 4746, 5546, 6346, 7146};
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(blockTitle(BlockArea::Timers, blockAt(b)), QString::fromLatin1(titles[b]));
        EXPECT_EQ(timerOffset(b, 0), starts[b]);
        EXPECT_EQ(timerOffset(b, 15) + 1, starts[b] + 31);
    }
    EXPECT_EQ(timerOffset(3, 15), 6376);
}

TEST(TimersDialog, ShowsTitleColumnsAndValues) {
    DialogHarness h;
    for (int i = 0; i < 32; ++i) h.image[4746 + i] = 0;  // memory save #1 table
    h.image[4746 + 2 * 9] = 0x0F;                        // Voice Delay 1.5
    h.image[4746 + 2 * 15] = 0x5A;                       // Ring Detector 01:30
    auto& dialog = h.openOn<TimersDialog>(blockAt(1));

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Memory Save #1 Timers"));
    const std::set<int> tenths = {2, 3, 4, 5, 9, 12, 13};
    for (int i = 0; i < 16; ++i) {
        const QString expected = i == 9            ? QStringLiteral("1.5")
                                 : i == 15         ? QStringLiteral("01:30")
                                 : tenths.count(i) ? QStringLiteral("0.0")
                                                   : QStringLiteral("00:00");
        EXPECT_EQ(h.field(timeField(i))->value(), expected) << i;
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblName%1").arg(i));
        auto* unit = dialog.findChild<QLabel*>(QStringLiteral("lblUnit%1").arg(i));
        ASSERT_TRUE(label && unit);
        EXPECT_EQ(label->text(), timerLabel(i));
        EXPECT_EQ(label->buddy(), h.field(timeField(i)));
        EXPECT_EQ(unit->text(),
                  tenths.count(i) ? QStringLiteral("Sec") : QStringLiteral("Min:Sec"));
        // Left column 0..7, right column 8..15, same rows.
        if (i < 8) {
            EXPECT_EQ(h.field(timeField(i))->y(), h.field(timeField(i + 8))->y());
            EXPECT_LT(unit->geometry().right(), h.field(timeField(i + 8))->x());
        }
        if (i > 0 && i != 8) {
            EXPECT_GT(h.field(timeField(i))->y(), h.field(timeField(i - 1))->y());
        }
    }
    auto* done = dialog.findChild<QPushButton*>(QStringLiteral("cmdDone"));
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->text(), QStringLiteral("OK"));
}

TEST(TimersDialog, ClickEditsOneTimerThroughTheKeypad) {
    struct Case {
        const char* what;
        int block, timer;
        std::uint8_t b0, b1;  // entry before
        const char* answer;   // what the keypad returns
        const char* initial;  // text the keypad was opened with
        std::uint8_t n0, n1;  // entry after
        const char* shown;    // value shown afterwards
    };
    const Case cases[] = {
        {"enter 300", 0, 0, 0x00, 0x00, "300", "0", 0x2C, 0x01, "05:00"},
        {"enter 1800", 0, 0, 0x2C, 0x01, "1800", "300", 0x08, 0x07, "30:00"},
        {"upper bits cleared", 0, 1, 0x2C, 0xF9, "300", "300", 0x2C, 0x01, "05:00"},
        {"seconds cleared", 2, 10, 0x5A, 0x00, "", "90", 0x00, 0x00, "00:00"},
        {"tenths cleared", 0, 2, 0x0F, 0x00, "", "15", 0x00, 0x00, "0.0"},
        {"tenths entered", 4, 13, 0x00, 0x00, "99", "0", 0x63, 0x00, "9.9"},
        {"tenths bits cleared", 0, 12, 0x05, 0xF8, "7", "5", 0x07, 0x00, "0.7"},
        {"tenths > 99 kept", 0, 9, 0xFF, 0x07, "2047", "2047", 0xFF, 0x07, "204.7"},
        {"tenths 100 kept", 1, 3, 0x64, 0x00, "100", "100", 0x64, 0x00, "10.0"},
        {"seconds 2047 kept", 0, 6, 0xFF, 0x07, "2047", "2047", 0xFF, 0x07, "34:07"},
        {"mem #3 timer 15", 3, 15, 0x00, 0x00, "1800", "0", 0x08, 0x07, "30:00"},
        {"blank-padded answer", 0, 7, 0x00, 0x00, " 60 ", "0", 0x3C, 0x00, "01:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogHarness h;
        const int tableStart[] = {178, 4746, 5546, 6346, 7146};
        const int offset = tableStart[c.block] + 2 * c.timer;
        h.image[offset] = c.b0;
        h.image[offset + 1] = c.b1;
        h.openOn<TimersDialog>(blockAt(c.block));

        h.enterKeys(timeField(c.timer), QString::fromLatin1(c.answer));

        ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
        const KeypadRequest& call = h.prompts.keypadCalls[0];
        const bool seconds = TimerTable[c.timer].kind == TimerKind::Seconds;
        EXPECT_EQ(call.heading, timerHeading(c.timer));
        EXPECT_EQ(call.keySet, KeySet::Digits);
        EXPECT_EQ(call.limit, seconds ? 4 : 2);
        EXPECT_EQ(call.check, seconds ? EntryCheck::Range1To1800 : EntryCheck::None);
        EXPECT_EQ(call.initial, QString::fromLatin1(c.initial));

        expectOnlyWritten(h.before, h.image, offset, {c.n0, c.n1});
        EXPECT_EQ(h.shown(timeField(c.timer)), QString::fromLatin1(c.shown));
        EXPECT_TRUE(h.prompts.messages.empty());
    }
}

TEST(TimersDialog, AnswerThatIsNotACountWritesNothingAndSaysSo) {
    struct Case {
        int timer;
        const char* answer;
        const char* text;
    };
    const Case cases[] = {
        {0, "12a", "Error! Entry must be between 1 and 1800"},
        {0, "-5", "Error! Entry must be between 1 and 1800"},
        {0, "4096", "Error! Entry must be between 1 and 1800"},
        {0, "99999999999", "Error! Entry must be between 1 and 1800"},
        {2, "1.5", "Error! Entry must be between 0 and 99"},
        {2, "-1", "Error! Entry must be between 0 and 99"},
        {2, ",", "Error! Entry must be between 0 and 99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        DialogHarness h;
        h.openOn<TimersDialog>(blockAt(0));
        const QString shown = h.shown(timeField(c.timer));

        h.enterKeys(timeField(c.timer), QString::fromLatin1(c.answer));

        EXPECT_EQ(h.image, h.before) << "changed: " << changedOffsets(h.image, h.before);
        EXPECT_EQ(h.shown(timeField(c.timer)), shown);
        ASSERT_EQ(h.prompts.messages.size(), 1u);
        EXPECT_EQ(h.prompts.messages[0].icon, Icon::Exclamation);
        EXPECT_EQ(h.prompts.messages[0].title, timerHeading(c.timer));
        EXPECT_EQ(h.prompts.messages[0].text, QString::fromLatin1(c.text));
    }
}

TEST(TimersDialog, RedisplaysAllTimersAfterTheKeypadAndOkClosesWithoutWriting) {
    DialogHarness h(zeroImage());
    auto& dialog = h.openOn<TimersDialog>(blockAt(0));
    // While the keypad is open something else changes timer 5; the dialog shows it afterwards.
    h.prompts.onPrompt = [&] { h.image[178 + 10] = 0x19; };
    h.prompts.keypadAnswers.push_back(QStringLiteral("5"));
    h.field(timeField(3))->setFocus();
    QTest::keyClick(h.field(timeField(3)), Qt::Key_Return);  // keyboard opens the keypad too
    EXPECT_EQ(h.shown(timeField(3)), QStringLiteral("0.5"));
    EXPECT_EQ(h.shown(timeField(5)), QStringLiteral("2.5"));

    const Image before = h.image;
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdDone")), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(h.image, before) << "changed: " << changedOffsets(h.image, before);
    EXPECT_EQ(h.prompts.keypadCalls.size(), 1u);
}
