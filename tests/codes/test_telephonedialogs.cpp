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
#include "codes/prefixcodesdialog.h"
#include "codes/singlecodedialog.h"
#include "dialogharness.h"

namespace {

TEST(PreDialDialog, StoresEveryKeypadReturnAndReadsItBack) {
    DialogHarness h;
    auto& dialog = h.open<SingleCodeDialog>(preDialNumber());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Telephone Pre-Dial Number"));

    h.enterKeys("lblNum", QStringLiteral("9,"));
    ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
    EXPECT_EQ(h.prompts.keypadCalls[0].heading, QStringLiteral("Tel Pre-Dial"));
    EXPECT_EQ(h.prompts.keypadCalls[0].keySet, KeySet::Telephone);
    EXPECT_EQ(h.prompts.keypadCalls[0].limit, 7);
    expectOnlyWritten(h.before, h.image, 1140, {2, 9, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(h.shown("lblNum"), QStringLiteral("9D"));

    // A change behind the dialog's back shows when it becomes active again.
    h.image[1140] = 1;
    reactivate(dialog);
    EXPECT_EQ(h.shown("lblNum"), QStringLiteral("9"));
    h.click("cmdOK");
    EXPECT_FALSE(dialog.isVisible());
}

TEST(UnlockDialog, StoresSevenKeysAlwaysWithTheLengthSeven) {
    DialogHarness h;
    auto& dialog = h.open<SingleCodeDialog>(unlockCode());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Repeater Unlock Code"));
    EXPECT_EQ(h.shown("lblCaption"), QStringLiteral("Repeater 7 Digit Unlock Number"));

    // Bytes 32..39 hold 33..40: a length above seven, so seven keys from their low nibbles.
    h.enterKeys("lblNum", QStringLiteral("1230A*#"));
    ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
    EXPECT_EQ(h.prompts.keypadCalls[0],
              (KeypadRequest{KeySet::Codes, 7, QStringLiteral("Unlock Number"),
                             QStringLiteral("2345678"), EntryCheck::SevenDigits}));
    expectOnlyWritten(h.before, h.image, 32, {7, 1, 2, 3, 10, 13, 11, 12});
    EXPECT_EQ(h.shown("lblNum"), QStringLiteral("1230A*#"));

    // An empty entry is stored as seven code-0 keys and reads back as seven D keys, so the
    // dialog then closes without the question.
    h.enterKeys("lblNum", QString());
    expectOnlyWritten(h.before, h.image, 32, {7, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(h.shown("lblNum"), QStringLiteral("DDDDDDD"));
    h.click("cmdOK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(h.prompts.messages.empty());
}

TEST(UnlockDialog, EveryWayOfClosingWithNoCodeAsksFirst) {
    // clang-format off
    const struct { const char* way; std::function<void(SingleCodeDialog&)> close; } ways[] = {
        {"OK button",    [](SingleCodeDialog& d) { click(d, "cmdOK"); }},
        {"close button", [](SingleCodeDialog& d) { d.close(); }},
        {"Escape",       [](SingleCodeDialog& d) {
             QWidget* focus = QApplication::focusWidget();
             QTest::keyClick(focus ? focus : &d, Qt::Key_Escape);
         }},
    };
    // clang-format on
    for (const auto& way : ways) {
        for (const Answer answer : {Answer::Ok, Answer::Cancel}) {
            SCOPED_TRACE(std::string(way.way) + (answer == Answer::Ok ? ", OK" : ", Cancel"));
            DialogHarness h(zeroImage());  // length 0: no code
            h.prompts.answers.push_back(answer);
            auto& dialog = h.open<SingleCodeDialog>(unlockCode());
            way.close(dialog);
            ASSERT_EQ(h.prompts.messages.size(), 1u);
            const RecordedMessage& asked = h.prompts.messages[0];
            EXPECT_EQ(asked.kind, RecordedMessage::OkCancel);
            EXPECT_EQ(asked.icon, Icon::Exclamation);
            EXPECT_EQ(asked.title, QStringLiteral("Unlock Code"));
            EXPECT_EQ(asked.text, QStringLiteral("Error, No Unlock Entry."));
            // OK on the question keeps the dialog open for an entry.
            EXPECT_EQ(dialog.isVisible(), answer == Answer::Ok);
        }
    }
    // The program's own end does not ask.
    DialogHarness h(zeroImage());
    auto& dialog = h.open<SingleCodeDialog>(unlockCode());
    dialog.closeForEnd();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(h.prompts.messages.empty());
}

TEST(AreaCodesDialog, TheTableKeepsItsPlacesAndCountsTheEntries) {
    DialogHarness h;
    std::fill(h.image.begin() + 7328, h.image.begin() + 7359, 0);
    auto& dialog = h.open<AreaCodesDialog>();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Area Codes"));
    EXPECT_EQ(h.shown("lblPos9"), QStringLiteral("10"));

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
        h.enterKeys(named("lblAC%1", step.field), QLatin1String(step.entry));
        EXPECT_EQ(h.prompts.keypadCalls.back().heading, QLatin1String(step.heading));
        EXPECT_EQ(h.prompts.keypadCalls.back().check, EntryCheck::ThreeDigits);
        table[0] = static_cast<std::uint8_t>(step.count);
        std::copy(step.bytes.begin(), step.bytes.end(), table.begin() + 1 + 3 * step.field);
        expectOnlyWritten(h.before, h.image, 7328, table);
        EXPECT_EQ(h.shown(named("lblAC%1", step.field)), QLatin1String(step.entry));
    }
}

TEST(AreaCodesDialog, AFieldKeepsItsTextWhenItsEntryIsEmptied) {
    DialogHarness h(zeroImage());
    const Bytes stored = {1, 2, 1, 2};  // count 1, area code 1 = "212"
    std::copy(stored.begin(), stored.end(), h.image.begin() + 7328);
    auto& dialog = h.open<AreaCodesDialog>();
    EXPECT_EQ(h.shown("lblAC0"), QStringLiteral("212"));

    // The entry is emptied behind the dialog's back: the field still shows its text, and the next
    // keypad return stores it again with the rest of the table.
    std::fill(h.image.begin() + 7328, h.image.begin() + 7332, 0);
    reactivate(dialog);
    EXPECT_EQ(h.shown("lblAC0"), QStringLiteral("212"));
    h.enterKeys("lblAC9", QStringLiteral("415"));
    const Bytes written = {2, 2, 1, 2};
    EXPECT_TRUE(std::equal(written.begin(), written.end(), h.image.begin() + 7328));
    EXPECT_EQ(h.image[7356], 4);
}

TEST(PrefixCodesDialog, GroupSwitchesWriteTheGroupLeftAndKeepNumbersAndHeadingsTogether) {
    DialogHarness h;
    // Group 0 holds prefix 3 = "305" and a line count that does not match it; group 2 is empty.
    std::fill(h.image.begin() + 7008, h.image.begin() + 7072, 0);
    std::fill(h.image.begin() + 7136, h.image.begin() + 7200, 0);
    h.image[7008] = 4;
    h.image[7018] = 3, h.image[7019] = 10, h.image[7020] = 5;
    auto& dialog = h.open<PrefixCodesDialog>();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Prefix Codes"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "optGrp0")->isChecked());
    EXPECT_EQ(child<QRadioButton>(dialog, "optGrp4")->text(), QStringLiteral("80-99"));
    EXPECT_EQ(h.shown("lblPFX3"), QStringLiteral("305"));
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
    expectOnlyWritten(h.before, h.image, 7008, group0);

    // Prefix 47: group 2, line 1, place 2, counted in its line.
    h.enterKeys("lblPFX7", QStringLiteral("555"));
    Bytes groups(h.before.begin() + 7008, h.before.begin() + 7200);
    std::copy(group0.begin(), group0.end(), groups.begin());
    groups[7152 - 7008] = 1;
    std::fill(groups.begin() + 7159 - 7008, groups.begin() + 7162 - 7008, 5);
    expectOnlyWritten(h.before, h.image, 7008, groups);

    // clang-format off
    const struct { int group; int first; } steps[] = {{2, 40}, {0, 0}, {4, 80}, {0, 0}};
    // clang-format on
    for (const auto& step : steps) {
        SCOPED_TRACE(step.group);
        child<QRadioButton>(dialog, named("optGrp%1", step.group))->click();
        EXPECT_EQ(dialog.group(), step.group);
        EXPECT_EQ(h.shown("lblPos0"), QString::number(step.first));
        EXPECT_EQ(h.shown("lblPos19"), QString::number(step.first + 19));
        h.enterKeys("lblPFX0", h.shown("lblPFX0"));
        EXPECT_EQ(h.prompts.keypadCalls.back().heading,
                  QStringLiteral("Prefix Code %1").arg(step.first));
    }
}

}  // namespace
