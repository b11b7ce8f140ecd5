// Repeater configuration: the three choices, what "OK" stores, and what any other close leaves.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "core/settings.h"
#include "dialogcheck.h"
#include "memory/memorycopydialog.h"
#include "memory/memoryflushdialog.h"
#include "memory/repeaterconfigdialog.h"
#include "scriptedprompts.h"

namespace {

constexpr int ClockByte = 1095;
constexpr int RecorderByte = 1094;

struct Fixture {
    Image image = patternedImage();
    ScriptedPrompts prompts;
    Settings settings;
    int layoutCalls = 0;
    bool fourAtCall = true;
    RepeaterConfigDialog dialog{{image, prompts, settings, Block::Base, [this] {
                                     ++layoutCalls;
                                     fourAtCall = settings.fourMemorySaves;
                                 }}};

    QRadioButton* option(const char* name) {
        return child<QRadioButton>(dialog, QString::fromLatin1(name));
    }
    void click(const char* name) { QTest::mouseClick(option(name), Qt::LeftButton); }
    void ok() {
        QTest::mouseClick(child<QPushButton>(dialog, QStringLiteral("cmdOK")), Qt::LeftButton);
    }
};

TEST(RepeaterConfig, ShowingSelectsTheOptionsOfTheCurrentValues) {
    struct Case {
        bool four;
        std::uint8_t clock;
        std::uint8_t recorder;
        const char* dip;
        const char* clockOption;
        const char* dvr;
    };
    const Case cases[] = {
        {true, 0x00, 0x00, "optDip0", "optClock0", "optDvr0"},
        {false, 0x01, 0x01, "optDip1", "optClock1", "optDvr1"},
        {true, 0x05, 0x00, "optDip0", "optClock1", "optDvr0"},
        {false, 0x00, 0xFF, "optDip1", "optClock0", "optDvr1"},
        {false, 0x80, 0x02, "optDip1", "optClock1", "optDvr1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.four << ' ' << int(c.clock) << ' ' << int(c.recorder));
        Fixture f;
        f.settings.fourMemorySaves = c.four;
        f.image[ClockByte] = c.clock;
        f.image[RecorderByte] = c.recorder;
        showSettled(f.dialog);
        EXPECT_TRUE(f.option(c.dip)->isChecked());
        EXPECT_TRUE(f.option(c.clockOption)->isChecked());
        EXPECT_TRUE(f.option(c.dvr)->isChecked());
    }
}

TEST(RepeaterConfig, OkWithoutChangesNormalisesANonZeroClockByteToOne) {
    Fixture f;
    f.image[ClockByte] = 0x05;
    f.image[RecorderByte] = 0x00;
    const Image before = f.image;
    showSettled(f.dialog);
    ASSERT_TRUE(f.option("optClock1")->isChecked());
    EXPECT_EQ(f.option("optClock1")->text(), QStringLiteral("24 Hour"));

    f.ok();

    Image expected = before;
    expected[ClockByte] = 1;
    EXPECT_EQ(f.image, expected) << "changed: " << changedOffsets(f.image, before);
    EXPECT_TRUE(f.settings.fourMemorySaves);
    EXPECT_EQ(f.layoutCalls, 1);
    EXPECT_FALSE(f.dialog.isVisible());
}

TEST(RepeaterConfig, OkStoresEachChoice) {
    struct Case {
        const char* dip;
        const char* clockOption;
        const char* dvr;
        bool four;
        std::uint8_t clock;
        std::uint8_t recorder;
    };
    const Case cases[] = {
        {"optDip0", "optClock0", "optDvr0", true, 0, 0},
        {"optDip1", "optClock1", "optDvr1", false, 1, 1},
        {"optDip1", "optClock0", "optDvr1", false, 0, 1},
        {"optDip0", "optClock1", "optDvr0", true, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.dip) + c.clockOption + c.dvr);
        for (const bool start : {true, false}) {
            Fixture f;
            f.settings.fourMemorySaves = start;
            f.image[ClockByte] = 0x07;
            f.image[RecorderByte] = 0x00;
            const Image before = f.image;
            showSettled(f.dialog);
            f.click(c.dip);
            f.click(c.clockOption);
            f.click(c.dvr);
            f.ok();

            Image expected = before;
            expected[ClockByte] = c.clock;
            expected[RecorderByte] = c.recorder;
            EXPECT_EQ(f.image, expected) << "changed: " << changedOffsets(f.image, before);
            EXPECT_EQ(f.settings.fourMemorySaves, c.four);
            EXPECT_EQ(f.layoutCalls, 1);
            // The main window re-applies the layout from the settings, so they must be stored
            // first.
            EXPECT_EQ(f.fourAtCall, c.four);
        }
    }
}

TEST(RepeaterConfig, ChangingOnlyTheLayoutLeavesTheImageUnchanged) {
    for (const bool wasFour : {true, false}) {
        SCOPED_TRACE(wasFour);
        Fixture f;
        f.settings.fourMemorySaves = wasFour;
        f.image[ClockByte] = 1;
        f.image[RecorderByte] = 0;
        const Image before = f.image;
        showSettled(f.dialog);
        f.click(wasFour ? "optDip1" : "optDip0");
        f.ok();
        EXPECT_EQ(f.image, before) << "changed: " << changedOffsets(f.image, before);
        EXPECT_EQ(f.settings.fourMemorySaves, !wasFour);
        EXPECT_EQ(f.layoutCalls, 1);
    }
}

TEST(RepeaterConfig, ClosingAnyOtherWayStoresNothing) {
    // 0 = the window's close button, 1 = Escape.
    for (int way : {0, 1}) {
        SCOPED_TRACE(way);
        Fixture f;
        f.settings.fourMemorySaves = true;
        f.image[ClockByte] = 0x05;
        f.image[RecorderByte] = 0x00;
        const Image before = f.image;
        showSettled(f.dialog);
        f.click("optDip1");
        f.click("optClock0");
        f.click("optDvr1");
        if (way == 0)
            f.dialog.close();
        else
            QTest::keyClick(&f.dialog, Qt::Key_Escape);

        EXPECT_FALSE(f.dialog.isVisible());
        EXPECT_EQ(f.image, before);
        EXPECT_TRUE(f.settings.fourMemorySaves);
        EXPECT_EQ(f.layoutCalls, 0);

        // Opened again, it shows the stored values, not the abandoned choices.
        showSettled(f.dialog);
        EXPECT_TRUE(f.option("optDip0")->isChecked());
        EXPECT_TRUE(f.option("optClock1")->isChecked());
        EXPECT_TRUE(f.option("optDvr0")->isChecked());
    }
}

TEST(RepeaterConfig, ShowsItsTitleFramesAndOptionsAsWritten) {
    Fixture f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("ORVANE DX Configuration"));
    EXPECT_FALSE(f.dialog.isModal());
    const std::pair<const char*, const char*> texts[] = {
        {"optDip0", "OFF - Use Four Memory Save Locations"},
        {"optDip1", "ON   - Setup memory for Area Codes and Telephone Prefix Codes"},
        {"optClock0", "12 Hour"},
        {"optClock1", "24 Hour"},
        {"optDvr0", "TALKR-9"},
        {"optDvr1", "VOXA-5"},
    };
    for (const auto& [name, text] : texts) EXPECT_EQ(f.option(name)->text(), text) << name;
    EXPECT_EQ(child<QGroupBox>(f.dialog, QStringLiteral("fraDip"))->title(),
              QStringLiteral("DIP Switch #5"));
    EXPECT_EQ(child<QGroupBox>(f.dialog, QStringLiteral("fraClock"))->title(),
              QStringLiteral("Clock Announcements"));
    EXPECT_EQ(child<QGroupBox>(f.dialog, QStringLiteral("fraDvr"))->title(),
              QStringLiteral("DVR Type"));
    EXPECT_EQ(child<QLabel>(f.dialog, QStringLiteral("lblDip"))->text(),
              QStringLiteral("Dip switch #5 (On the PC Board) is to determine how your ORVANE DX "
                             "controller is configuring internal data memory. Reference page 2-2 "
                             "(Switch 5) in your ORVANE manual for additional information. \n"));
    EXPECT_EQ(f.dialog.findChildren<QPushButton*>().size(), 1);
}

TEST(RepeaterConfig, AChoiceNotYetConfirmedSurvivesReactivationUntilTheStoredValuesChange) {
    // "24 Hour" and the "ON" layout chosen but not confirmed: a click elsewhere and back keeps
    // them, as long as nothing stored changes.
    Fixture f;
    f.image[ClockByte] = 0;
    f.image[RecorderByte] = 0;
    showSettled(f.dialog);
    f.click("optClock1");
    f.click("optDip1");
    reactivate(f.dialog);
    EXPECT_TRUE(f.option("optClock1")->isChecked());
    EXPECT_TRUE(f.option("optDip1")->isChecked());
    EXPECT_EQ(f.image[ClockByte], 0);

    // clang-format off
    const struct { const char* what; std::function<void()> change; const char* clock; const char* dip; } cases[] = {
        {"clock byte set in the image", [&] { f.image[ClockByte] = 0x01; }, "optClock1", "optDip0"},
        {"clock byte cleared",          [&] { f.image[ClockByte] = 0x00; }, "optClock0", "optDip0"},
        {"recorder byte changed",       [&] { f.image[RecorderByte] = 0x01; }, "optClock0", "optDip0"},
        {"memory layout changed",       [&] { f.settings.fourMemorySaves = false; }, "optClock0", "optDip1"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // A fresh unconfirmed choice, then a change of a stored value: the stored values show.
        f.click(f.option("optClock0")->isChecked() ? "optClock1" : "optClock0");
        f.click(f.option("optDip0")->isChecked() ? "optDip1" : "optDip0");
        c.change();
        reactivate(f.dialog);
        EXPECT_TRUE(f.option(c.clock)->isChecked());
        EXPECT_TRUE(f.option(c.dip)->isChecked());
    }
    EXPECT_EQ(f.layoutCalls, 0);
}

TEST(RepeaterConfig, TheDipSwitchTextStandsBelowItsFrame) {
    Fixture f;
    showSettled(f.dialog);
    auto* frame = child<QGroupBox>(f.dialog, QStringLiteral("fraDip"));
    auto* text = child<QLabel>(f.dialog, QStringLiteral("lblDip"));
    auto* clock = child<QGroupBox>(f.dialog, QStringLiteral("fraClock"));
    ASSERT_TRUE(frame && text && clock);
    EXPECT_FALSE(frame->isAncestorOf(text));
    EXPECT_GT(text->y(), frame->geometry().bottom());
    EXPECT_LT(text->geometry().bottom(), clock->y());
}

TEST(RepeaterConfig, TheLayoutChosenHereReachesTheCopyAndFlushDialogs) {
    Fixture f;
    f.settings.fourMemorySaves = true;
    MemoryCopyDialog memory({f.image, f.prompts, f.settings});
    MemoryFlushDialog flush({f.image, f.prompts, f.settings});
    showSettled(memory);
    showSettled(flush);
    ASSERT_TRUE(child<QPushButton>(memory, QStringLiteral("cmdCopy_0_4"))->isEnabled());
    ASSERT_EQ(child<QLabel>(flush, QStringLiteral("lblCaption8"))->text(),
              QStringLiteral("Memory Save #4"));

    showSettled(f.dialog);
    f.click("optDip1");
    f.ok();

    reactivate(memory);
    reactivate(flush);
    for (int row = 0; row < 4; ++row)
        EXPECT_FALSE(
            child<QPushButton>(memory, QStringLiteral("cmdCopy_%1_4").arg(row))->isEnabled());
    EXPECT_EQ(child<QLabel>(flush, QStringLiteral("lblCaption8"))->text(),
              QStringLiteral("Area Codes / Prefix Numbers"));
}

}  // namespace
