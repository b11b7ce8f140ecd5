// The macro and scheduler dialogs wired to the model: what a click asks the keypad, what is
// written, the review, and the event dialog's read-once and refusal rules.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "commands/macrosdialog.h"
#include "commands/schedulerdialog.h"
#include "dialogcheck.h"
#include "scriptedprompts.h"
#include "ui/valuefield.h"

namespace {
void click(QWidget& dialog, const QString& name) {
    QTest::mouseClick(child<QWidget>(dialog, name), Qt::LeftButton);
}
QString shown(QWidget& dialog, const QString& name) {
    if (auto* field = dialog.findChild<ValueField*>(name)) return field->value();
    return child<QLabel>(dialog, name)->text();
}
}  // namespace

TEST(MacrosDialogTest, EditsStoreTheirMacroAndOkStoresAll) {
    Image image = patternedImage();
    image[890] = 0;  // macro 1 unused, its command bytes set
    image[898] = 0x11;
    const Image before = image;
    ScriptedPrompts prompts;
    MacrosDialog dialog(image, prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Macro Commands"));
    EXPECT_EQ(shown(dialog, QStringLiteral("Label1_10")), QStringLiteral(" 10"));
    EXPECT_EQ(shown(dialog, QStringLiteral("Label3_1")), QString());

    prompts.keypadAnswers.push_back(QStringLiteral("12*"));
    click(dialog, QStringLiteral("Label2_10"));
    ASSERT_EQ(prompts.keypadCalls.size(), 1u);
    EXPECT_EQ(prompts.keypadCalls[0].heading, QStringLiteral("Macro Command #10"));
    Image want = before;
    const Bytes macro10 = {3, 1, 2, 11, 0, 0, 0, 0};
    std::copy(macro10.begin(), macro10.end(), want.begin() + 1052);
    for (int i = 0; i < 10; ++i) {  // the commands as shown, hexadecimal bytes read back as digits
        const std::uint8_t b = before[1060 + i];
        const auto digit = [](int nibble) { return nibble > 9 ? 0 : nibble; };
        want[1060 + i] = static_cast<std::uint8_t>(digit(b >> 4) * 16 + digit(b & 15));
    }
    EXPECT_TRUE(image == want) << changedOffsets(image, want);

    prompts.keypadAnswers.push_back(QStringLiteral("5003"));
    click(dialog, QStringLiteral("Label7_10"));
    EXPECT_EQ(prompts.keypadCalls[1].heading, QStringLiteral("Macro Command"));
    EXPECT_EQ(image[1068], 0x50);
    EXPECT_EQ(image[1069], 0x03);
    EXPECT_EQ(shown(dialog, QStringLiteral("Label7_10")), QStringLiteral("5003"));

    click(dialog, QStringLiteral("cmdOK"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(image[898], 0x00);  // the unused macro's commands are stored as shown: empty
    EXPECT_EQ(image[889], before[889]);
    EXPECT_EQ(image[1070], before[1070]);
}

TEST(MacrosDialogTest, ADoubleClickOnTheNumberOpensOneReview) {
    Image image = zeroImage();
    image[890 + 18 * 2 + 8] = 0x16;  // macro 3, command 1
    image[890 + 18 * 2 + 9] = 0x72;
    ScriptedPrompts prompts;
    MacrosDialog dialog(image, prompts);
    showSettled(dialog);
    auto* number = child<ValueField>(dialog, QStringLiteral("Label1_3"));
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
    Image image = zeroImage();
    const Bytes event12 = {0xFF, 0x00, 0x09, 0xFF, 0x15, 0x11, 0x10};
    std::copy(event12.begin(), event12.end(), image.begin() + 4298 + 7 * 11);
    ScriptedPrompts prompts;
    SchedulerDialog dialog(image, prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ORVANE Scheduler"));
    EXPECT_EQ(shown(dialog, QStringLiteral("lblNum_2")), QStringLiteral(" 2"));
    child<QRadioButton>(dialog, QStringLiteral("optGroup1"))->click();
    EXPECT_EQ(dialog.group(), 1);
    const char* row2[][2] = {{"lblNum_2", " 12"},      {"lblTime_2", "----:15"},
                             {"lblDOW_2", "Weekends"}, {"lblMOY_2", "Skip"},
                             {"lblDOM_2", "----"},     {"lblCmd_2", "1110"}};
    for (const auto& c : row2)
        EXPECT_EQ(shown(dialog, QLatin1String(c[0])), QLatin1String(c[1])) << c[0];

    // The event dialog of event 12 opens on its time; "OK" there stores it unchanged.
    QString title;
    QTimer::singleShot(0, [&] {
        auto* event = qobject_cast<ScheduledEventDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(event, nullptr);
        title = event->windowTitle();
        QTest::mouseClick(child<QWidget>(*event, QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    const Image before = image;
    click(dialog, QStringLiteral("lblTime_2"));
    EXPECT_EQ(title, QStringLiteral("Schedular Position 12"));
    EXPECT_EQ(image, before);
}

TEST(SchedulerDialogTest, EventDialogReadsOnceStoresOnOkAndRefusesBadTimes) {
    Image image = patternedImage();
    const Bytes daily = {0xFF, 0x00, 0x00, 0x08, 0x30, 0x11, 0x10};
    std::copy(daily.begin(), daily.end(), image.begin() + 4571);
    const Image before = image;
    ScriptedPrompts prompts;
    ScheduledEventDialog dialog(image, prompts, 40);
    showSettled(dialog);
    EXPECT_TRUE(child<QRadioButton>(dialog, QStringLiteral("optWk0"))->isChecked());
    EXPECT_FALSE(child<QComboBox>(dialog, QStringLiteral("cmbWk"))->isVisible());
    EXPECT_EQ(shown(dialog, QStringLiteral("lblTime")), QStringLiteral("0830"));
    EXPECT_EQ(shown(dialog, QStringLiteral("lblReview")),
              QStringLiteral("Repeater Transmitter OFF"));

    // A choice not yet stored survives an activation, even when the image changed meanwhile.
    child<QRadioButton>(dialog, QStringLiteral("optWk2"))->click();
    image[4571 + 3] = 0x09;
    reactivate(dialog);
    EXPECT_TRUE(child<QRadioButton>(dialog, QStringLiteral("optWk2"))->isChecked());
    EXPECT_EQ(shown(dialog, QStringLiteral("lblTime")), QStringLiteral("0830"));
    image[4571 + 3] = 0x08;

    prompts.keypadAnswers.push_back(QStringLiteral("2460"));
    click(dialog, QStringLiteral("lblTime"));
    EXPECT_EQ(prompts.keypadCalls[0].heading, QStringLiteral("Enter Hours/Minutes"));
    click(dialog, QStringLiteral("cmdOK"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("Scheduled Time"));
    EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("Error!")));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(image, before);

    prompts.keypadAnswers.push_back(QStringLiteral("2359"));
    click(dialog, QStringLiteral("lblTime"));
    click(dialog, QStringLiteral("cmdOK"));
    EXPECT_FALSE(dialog.isVisible());
    expectOnlyWritten(before, image, 4571, {0xFF, 0x00, 0x09, 0x23, 0x59, 0x11, 0x10});

    // Closing any other way writes nothing.
    Image untouched = before;
    ScheduledEventDialog closed(untouched, prompts, 40);
    closed.show();
    click(closed, QStringLiteral("chkErase"));
    closed.reject();
    EXPECT_EQ(untouched, before);
}
