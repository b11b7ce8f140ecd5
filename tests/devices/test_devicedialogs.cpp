// The courtesy tones, CW, expanded switches and hardware inputs dialogs wired to their models:
// what a click asks the keypad, which bytes it writes, and the rules of each dialog.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "devices/courtesytonesdialog.h"
#include "devices/cwmessagedialog.h"
#include "devices/expandedswitchesdialog.h"
#include "devices/userinputsdialog.h"
#include "dialogharness.h"

namespace {

QString toneField(const char* column, int row) {
    return QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row);
}

// The CW dialog open on a patterned image whose CW message is `message` (MRAP and a word space
// unless the test gives another), with the pick list at hand.
const Bytes Mrap = {5, 22, 27, 10, 25, 38};
Image withCwMessage(const Bytes& message) {
    Image image = patternedImage();
    std::copy(message.begin(), message.end(), image.begin() + 794);
    return image;
}
struct CwFixture : DialogHarness {
    explicit CwFixture(const Bytes& message = Mrap) : DialogHarness(withCwMessage(message)) {}
    CwMessageDialog& dialog = open<CwMessageDialog>();
    QListWidget* list = child<QListWidget>(dialog, QStringLiteral("List1"));

    void clickItem(int code) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(code)).center());
    }
    void keyItem(int code, Qt::Key key) {
        list->setCurrentRow(code);
        QTest::keyClick(list, key);
    }
    QString message() { return shown(QStringLiteral("Label1")); }
};

}  // namespace

TEST(CourtesyTonesDialogTest, ShowsTheGridAndStoresEachEditAtOnce) {
    DialogHarness h;
    const Bytes row1 = {3, 2, 1, 5, 4, 0, 0, 0};
    std::copy(row1.begin(), row1.end(), h.image.begin() + 834);
    auto& dialog = h.open<CourtesyTonesDialog>();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Courtesy Tones"));
    const char* columns[] = {"lblT1",  "lblTD1", "lblD1", "lblT2",
                             "lblTD2", "lblD2",  "lblT3", "lblTD3"};
    const char* texts[] = {"500", "100", "50", "700", "200", "0", "0", "0"};
    for (int f = 0; f < 8; ++f)
        EXPECT_EQ(h.shown(toneField(columns[f], 1)), QLatin1String(texts[f])) << columns[f];
    // "Tone 1" spans its two fields; "E" says which courtesy tone it erases.
    auto* tone1 = child<QLabel>(dialog, QStringLiteral("lblGroup0"));
    EXPECT_EQ(tone1->text(), QStringLiteral("Tone 1"));
    EXPECT_GT(tone1->geometry().right(), child<QWidget>(dialog, toneField("lblTD1", 0))->x());
    auto* erase8 = child<QPushButton>(dialog, QStringLiteral("cmdErase7"));
    EXPECT_EQ(erase8->text(), QStringLiteral("E"));
    EXPECT_TRUE(erase8->accessibleDescription().contains(QLatin1String("8")));

    // In turn on row 2 as shown above (tone 2 700 Hz, delay 2 0 ms, tone 1 500 Hz).
    // clang-format off
    const struct { const char* what; int field; const char* answer; const char* heading;
                   const char* initial; EntryCheck check; std::uint8_t after; const char* shownAfter; } cases[] = {
        {"tone 2 to 1000 Hz", 3, "8", "Enter Frequency",       "5", EntryCheck::OneDigit,  8, "1000"},
        {"delay 2 to 450 ms", 5, "9", "Enter Time Delay 0..9", "0", EntryCheck::ToneDelay, 9, "450"},
        {"tone 1 digit 9",    0, "9", "Enter Frequency 1..8",  "3", EntryCheck::OneDigit,  0, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Image before = h.image;
        h.prompts.keypadCalls.clear();
        h.enterKeys(toneField(columns[c.field], 1), QLatin1String(c.answer));
        ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
        EXPECT_EQ(h.prompts.keypadCalls[0],
                  (KeypadRequest{KeySet::Digits, 1, QLatin1String(c.heading),
                                 QLatin1String(c.initial), c.check}));
        expectOnlyWritten(before, h.image, 834 + c.field, {c.after});
        EXPECT_EQ(h.shown(toneField(columns[c.field], 1)), QLatin1String(c.shownAfter));
    }
    // A digit typed on a field opens its keypad with that digit as the first press.
    h.prompts.keypadCalls.clear();
    h.prompts.keypadAnswers.push_back(QStringLiteral("4"));
    QTest::keyClick(h.field(toneField(columns[3], 1)), Qt::Key_4);
    ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
    EXPECT_EQ(h.prompts.keypadCalls[0].firstKey, QStringLiteral("4"));
    EXPECT_EQ(h.image[837], 4);
    // Tone 1 set to no tone makes the row blank; its other bytes stay in the image.
    EXPECT_EQ(h.shown(toneField("lblTD1", 1)), QString());
    EXPECT_EQ(h.image[835], 2);
}

TEST(CourtesyTonesDialogTest, EraseAndUnchangedOkOnABlankRow) {
    DialogHarness h;
    h.image[842] = 0;  // row 3 blank, its other bytes set
    h.open<CourtesyTonesDialog>();
    h.click(QStringLiteral("cmdErase7"));
    expectOnlyWritten(h.before, h.image, 882, Bytes(8, 0));
    EXPECT_EQ(h.shown(toneField("lblTD3", 7)), QString());
    EXPECT_EQ(h.prompts.keypadCalls.size(), 0u);

    // OK with the empty text on an empty time field of a blank row stores 0.
    EXPECT_EQ(h.shown(toneField("lblD1", 2)), QString());
    const Image before = h.image;
    h.prompts.keypadAnswers.push_back(QString());
    auto* delay = h.field(toneField("lblD1", 2));
    delay->setFocus();
    QTest::keyClick(delay, Qt::Key_Return);
    ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
    EXPECT_EQ(h.prompts.keypadCalls[0].initial, QString());
    expectOnlyWritten(before, h.image, 844, {0});
}

TEST(CourtesyTonesDialogTest, CancelledKeypadWritesNothing) {
    DialogHarness h;
    h.image[842] = 0;  // row 3 blank: its fields show nothing of the bytes behind them
    h.open<CourtesyTonesDialog>();
    for (const char* column : {"lblD1", "lblT1"}) {
        SCOPED_TRACE(column);
        h.cancelKeys(toneField(column, 2));
        EXPECT_TRUE(h.image == h.before) << changedOffsets(h.image, h.before);
        EXPECT_EQ(h.shown(toneField(column, 2)), QString());
    }
    EXPECT_EQ(h.prompts.keypadCalls.size(), 2u);
}

TEST(CwMessageDialogTest, ShowsTheStoredMessageWithTheListOutOfUse) {
    CwFixture f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("CW Edit Dialog Box"));
    EXPECT_FALSE(f.dialog.isModal());
    EXPECT_EQ(child<QGroupBox>(f.dialog, QStringLiteral("fraMessage"))->title(),
              QStringLiteral("CW Message "));
    ASSERT_EQ(f.list->count(), 47);
    // clang-format off
    const struct { int code; const char* text; } items[] = {{0, "0"}, {10, "A"}, {36, "/"}, {37, "(AR)"}, {38, " "}, {46, "(SK)"}};
    // clang-format on
    for (const auto& item : items) {
        EXPECT_EQ(f.list->item(item.code)->text(), QLatin1String(item.text));
        EXPECT_EQ(f.list->item(item.code)->data(Qt::UserRole).toInt(), item.code);
    }

    EXPECT_EQ(f.message(), QStringLiteral("MRAP "));
    EXPECT_FALSE(f.list->isEnabled());
    f.dialog.hide();
    f.image[794] = 0;
    f.dialog.show();
    EXPECT_EQ(f.message(), QStringLiteral("(Empty)"));
}

TEST(CwMessageDialogTest, OnlyAMessageStartedWithClearIsStored) {
    using Script = std::function<void(CwFixture&)>;
    const auto clear = [](CwFixture& f) { f.click(QStringLiteral("cmdClear")); };
    // clang-format off
    const struct { const char* what; Script script; const char* message; bool write; Bytes bytes; } cases[] = {
        {"OK without Clear", [](CwFixture&) {}, "MRAP ", false, {}},
        {"Clear then OK", clear, "", true, {0}},
        {"(SK) clicked", [&](CwFixture& f) { clear(f); f.clickItem(46); }, "(SK)", true, {1, 46}},
        {"Enter and Space pick", [&](CwFixture& f) { clear(f); f.keyItem(22, Qt::Key_Return);
                                                      f.keyItem(27, Qt::Key_Space); }, "MR", true, {2, 22, 27}},
        {"clicks while viewing", [](CwFixture& f) { f.clickItem(12); f.keyItem(13, Qt::Key_Space); }, "MRAP ", false, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* button : {"cmdOK", "cmdCancel"}) {
            CwFixture f;
            c.script(f);
            EXPECT_EQ(f.message(), QLatin1String(c.message));
            f.click(QLatin1String(button));
            EXPECT_FALSE(f.dialog.isVisible());
            if (c.write && QLatin1String(button) == QLatin1String("cmdOK"))
                expectOnlyWritten(f.before, f.image, 794, c.bytes);
            else
                EXPECT_TRUE(f.image == f.before)
                    << button << ": " << changedOffsets(f.image, f.before);
            EXPECT_EQ(f.prompts.beeps, 0);
        }
    }
}

TEST(CwMessageDialogTest, AThirtySecondPickOnlyBeeps) {
    CwFixture f;
    f.click(QStringLiteral("cmdClear"));
    for (int i = 0; i < 31; ++i) f.keyItem(i % 2 ? 37 : 46, Qt::Key_Space);
    EXPECT_EQ(f.prompts.beeps, 0);
    const QString full = f.message();
    f.clickItem(10);
    EXPECT_EQ(f.prompts.beeps, 1);
    EXPECT_EQ(f.message(), full);
    const Image before = f.image;
    f.click(QStringLiteral("cmdOK"));
    Bytes stored = {31};
    for (int i = 0; i < 31; ++i) stored.push_back(i % 2 ? 37 : 46);
    expectOnlyWritten(before, f.image, 794, stored);
}

TEST(CwMessageDialogTest, ACompositionSurvivesActivationUntilTheStoredMessageChanges) {
    CwFixture f({2, 0, 1});
    f.click(QStringLiteral("cmdClear"));
    f.clickItem(35);
    reactivate(f.dialog);  // back from the main window or the help
    EXPECT_TRUE(f.dialog.composing());
    EXPECT_TRUE(f.list->isEnabled());
    EXPECT_EQ(f.message(), QStringLiteral("Z"));

    f.image[796] = 2;  // a shown code changed behind the dialog's back
    reactivate(f.dialog);
    EXPECT_FALSE(f.dialog.composing());
    EXPECT_FALSE(f.list->isEnabled());
    EXPECT_EQ(f.message(), QStringLiteral("02"));

    // Cancel ends a composition: the next opening shows the stored message.
    f.click(QStringLiteral("cmdClear"));
    f.clickItem(35);
    f.click(QStringLiteral("cmdCancel"));
    showSettled(f.dialog);
    EXPECT_FALSE(f.dialog.composing());
    EXPECT_EQ(f.message(), QStringLiteral("02"));
}

TEST(ExpandedSwitchesDialogTest, ShowsABankAndTogglesOneSwitchByClickOrSpace) {
    DialogHarness h;
    h.image[1074] = 0x81;
    h.image[1082] = 0x00;
    auto& dialog = h.open<ExpandedSwitchesDialog>();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Expanded Switches"));
    EXPECT_EQ(child<QGroupBox>(dialog, QStringLiteral("fraGroup"))->title(),
              QStringLiteral("Switch Group"));
    EXPECT_EQ(h.shown(QStringLiteral("lblBits")), QStringLiteral("BITS"));
    EXPECT_EQ(h.shown(QStringLiteral("lblA0")), QStringLiteral("1"));
    for (int bit = 0; bit < 8; ++bit)
        EXPECT_EQ(dialog.switchAt(0, bit)->isOn(), bit == 0 || bit == 7) << bit;
    EXPECT_EQ(child<SwitchPicture>(dialog, QStringLiteral("Img1_7"))->accessibleName(),
              QStringLiteral("Group 1 switch 8 on"));

    child<QRadioButton>(dialog, QStringLiteral("opt1_1"))->click();
    EXPECT_EQ(h.shown(QStringLiteral("lblA0")), QStringLiteral("11"));
    EXPECT_EQ(h.shown(QStringLiteral("lblA7")), QStringLiteral("18"));
    auto* three = child<SwitchPicture>(dialog, QStringLiteral("Img1_2"));
    EXPECT_EQ(three->accessibleName(), QStringLiteral("Group 11 switch 3 off"));
    const Image before = h.image;
    QTest::mouseClick(three, Qt::LeftButton);
    expectOnlyWritten(before, h.image, 1082, {0x04});
    EXPECT_TRUE(three->isOn());
    EXPECT_EQ(three->accessibleName(), QStringLiteral("Group 11 switch 3 on"));
    three->setFocus();
    EXPECT_TRUE(three->hasFocus());
    QTest::keyClick(three, Qt::Key_Space);
    expectOnlyWritten(before, h.image, 1082, {0x00});
    EXPECT_FALSE(three->isOn());
}

TEST(ExpandedSwitchesDialogTest, PicturesReadOnAndOffInLightAndDarkSchemes) {
    // clang-format off
    const struct { const char* scheme; QColor window, text; } schemes[] = {
        {"light", QColor(0xEF, 0xEF, 0xEF), QColor(0x00, 0x00, 0x00)},
        {"dark",  QColor(0x2D, 0x2D, 0x30), QColor(0xE6, 0xE6, 0xE6)},
    };
    // clang-format on
    for (const auto& scheme : schemes) {
        SCOPED_TRACE(scheme.scheme);
        QPalette palette;
        palette.setColor(QPalette::Window, scheme.window);
        palette.setColor(QPalette::WindowText, scheme.text);
        SwitchPicture picture;
        picture.setPalette(palette);
        for (bool on : {true, false}) {
            picture.setOn(on);
            const QImage drawn = picture.grab().toImage();
            const int middle = drawn.width() / 2;
            const int topHalf = drawn.height() / 3;
            const int bottomHalf = drawn.height() * 2 / 3;
            // "On" has the dark half at the top, whatever the scheme.
            EXPECT_EQ(qGray(drawn.pixel(middle, topHalf)) < 64, on);
            EXPECT_EQ(qGray(drawn.pixel(middle, bottomHalf)) < 64, !on);
            // The outline stands out from the window, so a dark half keeps its edge.
            const int outline = qGray(drawn.pixel(4, drawn.height() / 2));
            EXPECT_GE(std::abs(outline - qGray(scheme.window.rgb())), 60);
        }
    }
    DialogHarness h;
    auto& dialog = h.open<ExpandedSwitchesDialog>();
    EXPECT_EQ(h.shown(QStringLiteral("lblOn")), QStringLiteral("ON"));
    // The legend stands over the switch columns.
    auto* legend = child<QLabel>(dialog, QStringLiteral("lblOn"));
    EXPECT_LT(legend->geometry().bottom(), dialog.switchAt(0, 0)->geometry().top());
    EXPECT_GE(legend->geometry().left(), dialog.switchAt(0, 0)->geometry().left() - 4);
}

TEST(ExpandedSwitchesDialogTest, TheBankStaysOnActivationAndStartsAtOneToEightOnOpening) {
    DialogHarness h(zeroImage());
    auto& dialog = h.open<ExpandedSwitchesDialog>();
    child<QRadioButton>(dialog, QStringLiteral("opt1_1"))->click();
    h.image[1083] = 0x02;  // group 12 changed behind the dialog's back
    reactivate(dialog);
    EXPECT_EQ(dialog.bank(), 1);
    EXPECT_EQ(h.shown(QStringLiteral("lblA1")), QStringLiteral("12"));
    EXPECT_TRUE(dialog.switchAt(1, 1)->isOn());
    // A click now toggles the bank on show.
    QTest::mouseClick(dialog.switchAt(1, 1), Qt::LeftButton);
    EXPECT_EQ(h.image[1083], 0x00);
    EXPECT_EQ(h.image[1075], 0x00);

    dialog.hide();
    h.image[1075] = 0x02;
    showSettled(dialog);
    EXPECT_EQ(dialog.bank(), 0);
    EXPECT_TRUE(child<QRadioButton>(dialog, QStringLiteral("opt1_0"))->isChecked());
    EXPECT_EQ(h.shown(QStringLiteral("lblA1")), QStringLiteral("2"));
    EXPECT_TRUE(dialog.switchAt(1, 1)->isOn());
}

TEST(UserInputsDialogTest, ShowsBothInputsAndStoresOnlyTheEditedOne) {
    DialogHarness h;
    h.image[1070] = 0x12;
    h.image[1071] = 0x34;
    h.image[1072] = 0x11;
    h.image[1073] = 0x10;
    auto& dialog = h.open<UserInputsDialog>();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Hardware Inputs"));
    EXPECT_EQ(h.shown(QStringLiteral("lblInput1")), QStringLiteral("Input #2"));
    EXPECT_EQ(h.shown(QStringLiteral("Label1_0")), QStringLiteral("1234"));
    EXPECT_EQ(h.shown(QStringLiteral("Label3_0")), QStringLiteral("Invalid Entry"));
    EXPECT_EQ(h.shown(QStringLiteral("Label3_1")), QStringLiteral("Repeater Transmitter OFF"));

    // clang-format off
    const struct { const char* what; const char* field; const char* answer; const char* initial;
                   Bytes bytes; const char* number; const char* text; } cases[] = {
        {"input 2 edited", "Label1_1", "5003", "1110", {0x12, 0x34, 0x50, 0x03}, "5003",
         "Execute Macro 3"},
        {"input 1 cleared", "Label1_0", "", "1234", {0x00, 0x00, 0x50, 0x03}, "0000", "No Command"},
        {"an unchanged answer writes nothing", "Label1_1", "5003", "5003", {0x00, 0x00, 0x50, 0x03},
         "5003", "Execute Macro 3"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Image before = h.image;
        h.prompts.keypadCalls.clear();
        h.enterKeys(QLatin1String(c.field), QLatin1String(c.answer));
        ASSERT_EQ(h.prompts.keypadCalls.size(), 1u);
        EXPECT_EQ(h.prompts.keypadCalls[0],
                  (KeypadRequest{KeySet::Digits, 4, QStringLiteral("Macro Command"),
                                 QLatin1String(c.initial), EntryCheck::FourDigits}));
        expectOnlyWritten(before, h.image, 1070, c.bytes);
        const QString row = QLatin1String(c.field).right(1);
        EXPECT_EQ(h.shown(QLatin1String(c.field)), QLatin1String(c.number));
        EXPECT_EQ(h.shown(QStringLiteral("Label3_") + row), QLatin1String(c.text));
    }
    // Erased memory in input 1 stays as it is when input 2 is edited.
    h.image[1070] = h.image[1071] = 0xFF;
    reactivate(dialog);
    EXPECT_EQ(h.shown(QStringLiteral("Label1_0")), QStringLiteral("FFFF"));
    const Image erased = h.image;
    h.enterKeys(QStringLiteral("Label1_1"), QStringLiteral("1611"));
    expectOnlyWritten(erased, h.image, 1072, {0x16, 0x11});
    h.click(QStringLiteral("cmdOK"));
    EXPECT_FALSE(dialog.isVisible());
}
