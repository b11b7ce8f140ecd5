// The pre-dial, unlock, area code and prefix dialogs wired to their tables: the keypad requests,
// the bytes each return writes, the unlock question and the prefix groups.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "codes/areacodesdialog.h"
#include "codes/predialnumberdialog.h"
#include "codes/prefixcodesdialog.h"
#include "codes/unlockcodedialog.h"
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
QString named(const char* pattern, int index) { return QString::fromLatin1(pattern).arg(index); }

TEST(PreDialDialog, StoresEveryKeypadReturnAndReadsItBack) {
    Image image = patternedImage();
    const Image before = image;
    ScriptedPrompts prompts;
    PreDialNumberDialog dialog(image, prompts);
    showSettled(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Telephone Pre-Dial Number"));

    prompts.keypadAnswers.push_back(QStringLiteral("9,"));
    click(dialog, "lblNum");
    ASSERT_EQ(prompts.keypadCalls.size(), 1u);
    EXPECT_EQ(prompts.keypadCalls[0].heading, QStringLiteral("Tel Pre-Dial"));
    EXPECT_EQ(prompts.keypadCalls[0].keySet, KeySet::Telephone);
    EXPECT_EQ(prompts.keypadCalls[0].limit, 7);
    expectOnlyWritten(before, image, 1140, {2, 9, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(shown(dialog, "lblNum"), QStringLiteral("9D"));

    // A change behind the dialog's back shows when it becomes active again.
    image[1140] = 1;
    reactivate(dialog);
    EXPECT_EQ(shown(dialog, "lblNum"), QStringLiteral("9"));
    click(dialog, "cmdOK");
    EXPECT_FALSE(dialog.isVisible());
}

TEST(UnlockDialog, StoresSevenKeysAlwaysWithTheLengthSeven) {
    Image image = patternedImage();
    const Image before = image;
    ScriptedPrompts prompts;
    UnlockCodeDialog dialog(image, prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Repeater Unlock Code"));
    EXPECT_EQ(shown(dialog, "lblCaption"), QStringLiteral("Repeater 7 Digit Unlock Number"));

    // Bytes 32..39 hold 33..40: a length above seven, so seven keys from their low nibbles.
    prompts.keypadAnswers.push_back(QStringLiteral("1230A*#"));
    click(dialog, "lblNum");
    ASSERT_EQ(prompts.keypadCalls.size(), 1u);
    EXPECT_EQ(prompts.keypadCalls[0],
              (KeypadRequest{KeySet::Codes, 7, QStringLiteral("Unlock Number"),
                             QStringLiteral("2345678"), EntryCheck::SevenDigits}));
    expectOnlyWritten(before, image, 32, {7, 1, 2, 3, 10, 13, 11, 12});
    EXPECT_EQ(shown(dialog, "lblNum"), QStringLiteral("1230A*#"));

    // An empty entry is stored as seven code-0 keys and reads back as seven D keys, so the
    // dialog then closes without the question.
    prompts.keypadAnswers.push_back(QString());
    click(dialog, "lblNum");
    expectOnlyWritten(before, image, 32, {7, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(shown(dialog, "lblNum"), QStringLiteral("DDDDDDD"));
    click(dialog, "cmdOK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(UnlockDialog, EveryWayOfClosingWithNoCodeAsksFirst) {
    // clang-format off
    const struct { const char* way; std::function<void(UnlockCodeDialog&)> close; } ways[] = {
        {"OK button",    [](UnlockCodeDialog& d) { click(d, "cmdOK"); }},
        {"close button", [](UnlockCodeDialog& d) { d.close(); }},
        {"Escape",       [](UnlockCodeDialog& d) {
             QWidget* focus = QApplication::focusWidget();
             QTest::keyClick(focus ? focus : &d, Qt::Key_Escape);
         }},
    };
    // clang-format on
    for (const auto& way : ways) {
        for (const Answer answer : {Answer::Ok, Answer::Cancel}) {
            SCOPED_TRACE(std::string(way.way) + (answer == Answer::Ok ? ", OK" : ", Cancel"));
            Image image = zeroImage();  // length 0: no code
            ScriptedPrompts prompts;
            prompts.answers.push_back(answer);
            UnlockCodeDialog dialog(image, prompts);
            showSettled(dialog);
            way.close(dialog);
            ASSERT_EQ(prompts.messages.size(), 1u);
            const RecordedMessage& asked = prompts.messages[0];
            EXPECT_EQ(asked.kind, RecordedMessage::OkCancel);
            EXPECT_EQ(asked.icon, Icon::Exclamation);
            EXPECT_EQ(asked.title, QStringLiteral("Unlock Code"));
            EXPECT_EQ(asked.text, QStringLiteral("Error, No Unlock Entry."));
            // OK on the question keeps the dialog open for an entry.
            EXPECT_EQ(dialog.isVisible(), answer == Answer::Ok);
        }
    }
    // The program's own end does not ask.
    Image image = zeroImage();
    ScriptedPrompts prompts;
    UnlockCodeDialog dialog(image, prompts);
    showSettled(dialog);
    dialog.closeWithoutAsking();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(AreaCodesDialog, TheTableKeepsItsPlacesAndCountsTheEntries) {
    Image image = patternedImage();
    std::fill(image.begin() + 7328, image.begin() + 7359, 0);
    const Image before = image;
    ScriptedPrompts prompts;
    AreaCodesDialog dialog(image, prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Area Codes"));
    EXPECT_EQ(shown(dialog, "lblPos9"), QStringLiteral("10"));

    Bytes table(31, 0);
    // clang-format off
    const struct { int field; const char* entry; const char* heading; int count; Bytes bytes; } steps[] = {
        {1, "305", "Area Code 2", 1, {3, 10, 5}},
        {4, "907", "Area Code 5", 2, {9, 10, 7}},
        {1, "",    "Area Code 2", 1, {0, 0, 0}},
    };
    // clang-format on
    for (const auto& step : steps) {
        SCOPED_TRACE(step.heading);
        prompts.keypadAnswers.push_back(QLatin1String(step.entry));
        click(dialog, named("lblAC%1", step.field));
        EXPECT_EQ(prompts.keypadCalls.back().heading, QLatin1String(step.heading));
        EXPECT_EQ(prompts.keypadCalls.back().check, EntryCheck::ThreeDigits);
        table[0] = static_cast<std::uint8_t>(step.count);
        std::copy(step.bytes.begin(), step.bytes.end(), table.begin() + 1 + 3 * step.field);
        expectOnlyWritten(before, image, 7328, table);
        EXPECT_EQ(shown(dialog, named("lblAC%1", step.field)), QLatin1String(step.entry));
    }
}

TEST(AreaCodesDialog, AFieldKeepsItsTextWhenItsEntryIsEmptied) {
    Image image = zeroImage();
    const Bytes stored = {1, 2, 1, 2};  // count 1, area code 1 = "212"
    std::copy(stored.begin(), stored.end(), image.begin() + 7328);
    ScriptedPrompts prompts;
    AreaCodesDialog dialog(image, prompts);
    showSettled(dialog);
    EXPECT_EQ(shown(dialog, "lblAC0"), QStringLiteral("212"));

    // The entry is emptied behind the dialog's back: the field still shows its text, and the next
    // keypad return stores it again with the rest of the table.
    std::fill(image.begin() + 7328, image.begin() + 7332, 0);
    reactivate(dialog);
    EXPECT_EQ(shown(dialog, "lblAC0"), QStringLiteral("212"));
    prompts.keypadAnswers.push_back(QStringLiteral("415"));
    click(dialog, "lblAC9");
    const Bytes written = {2, 2, 1, 2};
    EXPECT_TRUE(std::equal(written.begin(), written.end(), image.begin() + 7328));
    EXPECT_EQ(image[7356], 4);
}

TEST(PrefixCodesDialog, GroupSwitchesWriteTheGroupLeftAndKeepNumbersAndHeadingsTogether) {
    Image image = patternedImage();
    // Group 0 holds prefix 3 = "305" and a line count that does not match it; group 2 is empty.
    std::fill(image.begin() + 7008, image.begin() + 7072, 0);
    std::fill(image.begin() + 7136, image.begin() + 7200, 0);
    image[7008] = 4;
    image[7018] = 3, image[7019] = 10, image[7020] = 5;
    const Image before = image;
    ScriptedPrompts prompts;
    PrefixCodesDialog dialog(image, prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Prefix Codes"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "optGrp0")->isChecked());
    EXPECT_EQ(child<QRadioButton>(dialog, "optGrp4")->text(), QStringLiteral("80-99"));
    EXPECT_EQ(shown(dialog, "lblPFX3"), QStringLiteral("305"));
    // Column l holds line l of the group: field 5 heads the second column.
    auto* first = child<ValueField>(dialog, "lblPFX0");
    EXPECT_GT(child<ValueField>(dialog, "lblPFX5")->x(), first->x());
    EXPECT_EQ(child<ValueField>(dialog, "lblPFX5")->y(), first->y());
    EXPECT_GT(child<ValueField>(dialog, "lblPFX4")->y(), first->y());

    // Leaving group 0 writes it (the count now agrees) and nothing else.
    child<QRadioButton>(dialog, "optGrp2")->click();
    Bytes group0(64, 0);
    group0[0] = 1;
    group0[10] = 3, group0[11] = 10, group0[12] = 5;
    expectOnlyWritten(before, image, 7008, group0);

    // Prefix 47: group 2, line 1, place 2, counted in its line.
    prompts.keypadAnswers.push_back(QStringLiteral("555"));
    click(dialog, "lblPFX7");
    Bytes groups(before.begin() + 7008, before.begin() + 7200);
    std::copy(group0.begin(), group0.end(), groups.begin());
    groups[7152 - 7008] = 1;
    std::fill(groups.begin() + 7159 - 7008, groups.begin() + 7162 - 7008, 5);
    expectOnlyWritten(before, image, 7008, groups);

    // clang-format off
    const struct { int group; int first; } steps[] = {{2, 40}, {0, 0}, {4, 80}, {0, 0}};
    // clang-format on
    for (const auto& step : steps) {
        SCOPED_TRACE(step.group);
        child<QRadioButton>(dialog, named("optGrp%1", step.group))->click();
        EXPECT_EQ(dialog.group(), step.group);
        EXPECT_EQ(shown(dialog, "lblPos0"), QString::number(step.first));
        EXPECT_EQ(shown(dialog, "lblPos19"), QString::number(step.first + 19));
        prompts.keypadAnswers.push_back(shown(dialog, "lblPFX0"));
        click(dialog, "lblPFX0");
        EXPECT_EQ(prompts.keypadCalls.back().heading,
                  QStringLiteral("Prefix Code %1").arg(step.first));
    }
}

}  // namespace
