// The macro and scheduler dialogs wired to the model: what a click asks the keypad, what is
// written, the review, and the event dialog's read-once and refusal rules.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "commands/macrosdialog.h"
#include "commands/schedulerdialog.h"
#include "dialogharness.h"

TEST(MacrosDialogTest, EditsStoreTheirMacroAndOkStoresAll) {
    DialogHarness h;
    h.image[890] = 0;  // macro 1 unused, its command bytes set
    h.image[898] = 0x11;
    auto& dialog = h.open<MacrosDialog>();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Macro Commands"));
    EXPECT_EQ(h.shown(QStringLiteral("Label1_10")), QStringLiteral(" 10"));
    EXPECT_EQ(h.shown(QStringLiteral("Label3_1")), QString());

    h.enterKeys(QStringLiteral("Label2_10"), QStringLiteral("12*"));
    ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
    EXPECT_EQ(h.prompts.keypadCalls[0].heading, QStringLiteral("Macro Command #10"));
    Image want = h.before;
    const Bytes macro10 = {3, 1, 2, 11, 0, 0, 0, 0};
    std::copy(macro10.begin(), macro10.end(), want.begin() + 1052);
    for (int i = 0; i < 10; ++i) {  // the commands as shown, hexadecimal bytes read back as digits
        const std::uint8_t b = h.before[1060 + i];
        const auto digit = [](int nibble) { return nibble > 9 ? 0 : nibble; };
        want[1060 + i] = static_cast<std::uint8_t>(digit(b >> 4) * 16 + digit(b & 15));
    }
    EXPECT_TRUE(h.image == want) << changedOffsets(h.image, want);

    h.enterKeys(QStringLiteral("Label7_10"), QStringLiteral("5003"));
    EXPECT_EQ(h.prompts.keypadCalls[1].heading, QStringLiteral("Macro Command"));
    EXPECT_EQ(h.image[1068], 0x50);
    EXPECT_EQ(h.image[1069], 0x03);
    EXPECT_EQ(h.shown(QStringLiteral("Label7_10")), QStringLiteral("5003"));

    h.click(QStringLiteral("cmdOK"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(h.image[898], 0x00);  // the unused macro's commands are stored as shown: empty
    EXPECT_EQ(h.image[889], h.before[889]);
    EXPECT_EQ(h.image[1070], h.before[1070]);
}

TEST(MacrosDialogTest, ADoubleClickOnTheNumberOpensOneReview) {
    DialogHarness h(zeroImage());
    h.image[890 + 18 * 2 + 8] = 0x16;  // macro 3, command 1
    h.image[890 + 18 * 2 + 9] = 0x72;
    auto& dialog = h.open<MacrosDialog>();
    auto* number = h.field(QStringLiteral("Label1_3"));
    QTest::mouseDClick(number, Qt::LeftButton);
    QTest::mouseClick(number, Qt::LeftButton);
    MacroReviewDialog* review = dialog.review();
    EXPECT_TRUE(review->isVisible());
    EXPECT_EQ(dialog.findChildren<MacroReviewDialog*>().size(), 1);
    EXPECT_EQ(review->windowTitle(), QStringLiteral("Macro 3 Review"));
    EXPECT_EQ(shown(*review, QStringLiteral("lblRow1")), QStringLiteral(" 1"));
    EXPECT_EQ(shown(*review, QStringLiteral("lblCommand1")),
              QStringLiteral("User Switch Out #2 Momentary"));
    EXPECT_EQ(shown(*review, QStringLiteral("lblCommand2")), QStringLiteral("No Command"));
    click(*review, QStringLiteral("cmdOK"));
    EXPECT_FALSE(review->isVisible());
}

TEST(SchedulerDialogTest, OverviewShowsGroupsAndOpensTheEvent) {
    DialogHarness h(zeroImage());
    const Bytes event12 = {0xFF, 0x00, 0x09, 0xFF, 0x15, 0x11, 0x10};
    std::copy(event12.begin(), event12.end(), h.image.begin() + 4298 + 7 * 11);
    auto& dialog = h.open<SchedulerDialog>();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ORVANE Scheduler"));
    EXPECT_EQ(h.shown(QStringLiteral("lblNum_2")), QStringLiteral(" 2"));
    child<QRadioButton>(dialog, QStringLiteral("optGroup1"))->click();
    EXPECT_EQ(dialog.group(), 1);
    const char* row2[][2] = {{"lblNum_2", " 12"},      {"lblTime_2", "----:15"},
                             {"lblDOW_2", "Weekends"}, {"lblMOY_2", "Skip"},
                             {"lblDOM_2", "----"},     {"lblCmd_2", "1110"}};
    for (const auto& c : row2) EXPECT_EQ(h.shown(QLatin1String(c[0])), QLatin1String(c[1])) << c[0];

    // The event dialog of event 12 opens on its time; "OK" there stores it unchanged.
    QString title;
    QTimer::singleShot(0, [&] {
        auto* event = qobject_cast<ScheduledEventDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(event, nullptr);
        title = event->windowTitle();
        QTest::mouseClick(child<QWidget>(*event, QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    const Image before = h.image;
    h.click(QStringLiteral("lblTime_2"));
    EXPECT_EQ(title, QStringLiteral("Schedular Position 12"));
    EXPECT_EQ(h.image, before);
}

TEST(SchedulerDialogTest, EventDialogKeepsOneSizeWithEachListBesideItsOption) {
    DialogHarness h;
    auto& dialog = h.adopt(std::make_unique<ScheduledEventDialog>(h.image, h.prompts, 1));
    const QSize size = dialog.size();
    auto* weekday = child<QComboBox>(dialog, QStringLiteral("cmbWk"));
    for (const char* option : {"optWk3", "optWk4", "optWk0", "optWk4"}) {
        h.click(QLatin1String(option));
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.size(), size) << option;
    }
    for (int round = 0; round < 2; ++round) {
        h.click(QStringLiteral("chkErase"));
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.size(), size) << "erase " << round;
    }
    EXPECT_FALSE(child<QCheckBox>(dialog, QStringLiteral("chkErase"))->isChecked());
    EXPECT_TRUE(child<QComboBox>(dialog, QStringLiteral("cmbMonth"))->isVisible());
    // The weekday list shares its option's line.
    auto* option = child<QRadioButton>(dialog, QStringLiteral("optWk3"));
    const QRect line(option->mapTo(&dialog, QPoint(0, 0)), option->size());
    EXPECT_TRUE(
        line.contains(line.left() + 1, weekday->mapTo(&dialog, weekday->rect().center()).y()));
}

TEST(SchedulerDialogTest, EventDialogReadsOnceStoresOnOkAndRefusesBadTimes) {
    DialogHarness h;
    const Bytes daily = {0xFF, 0x00, 0x00, 0x08, 0x30, 0x11, 0x10};
    std::copy(daily.begin(), daily.end(), h.image.begin() + 4571);
    auto& dialog = h.adopt(std::make_unique<ScheduledEventDialog>(h.image, h.prompts, 40));
    EXPECT_TRUE(child<QRadioButton>(dialog, QStringLiteral("optWk0"))->isChecked());
    EXPECT_FALSE(child<QComboBox>(dialog, QStringLiteral("cmbWk"))->isVisible());
    EXPECT_EQ(h.shown(QStringLiteral("lblTime")), QStringLiteral("0830"));
    EXPECT_EQ(h.shown(QStringLiteral("lblReview")), QStringLiteral("Repeater Transmitter OFF"));

    // A choice not yet stored survives an activation, even when the image changed meanwhile.
    child<QRadioButton>(dialog, QStringLiteral("optWk2"))->click();
    h.image[4571 + 3] = 0x09;
    reactivate(dialog);
    EXPECT_TRUE(child<QRadioButton>(dialog, QStringLiteral("optWk2"))->isChecked());
    EXPECT_EQ(h.shown(QStringLiteral("lblTime")), QStringLiteral("0830"));
    h.image[4571 + 3] = 0x08;

    h.enterKeys(QStringLiteral("lblTime"), QStringLiteral("2460"));
    EXPECT_EQ(h.prompts.keypadCalls[0].heading, QStringLiteral("Enter Hours/Minutes"));
    h.click(QStringLiteral("cmdOK"));
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(h.prompts.messages[0].title, QStringLiteral("Scheduled Time"));
    EXPECT_TRUE(h.prompts.messages[0].text.startsWith(QStringLiteral("Error!")));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(h.image, h.before);

    h.enterKeys(QStringLiteral("lblTime"), QStringLiteral("2359"));
    h.click(QStringLiteral("cmdOK"));
    EXPECT_FALSE(dialog.isVisible());
    expectOnlyWritten(h.before, h.image, 4571, {0xFF, 0x00, 0x09, 0x23, 0x59, 0x11, 0x10});

    // Closing any other way writes nothing.
    DialogHarness other(h.before);
    auto& closed =
        other.adopt(std::make_unique<ScheduledEventDialog>(other.image, other.prompts, 40));
    other.click(QStringLiteral("chkErase"));
    closed.reject();
    EXPECT_EQ(other.image, h.before);
}
