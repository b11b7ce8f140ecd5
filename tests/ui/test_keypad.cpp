// The keypad entry dialog driven with real clicks and key presses.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>
#include <optional>

#include "keypadfixture.h"

namespace {

struct Msg {
    const char* title;
    const char* text;
};
const Msg DelayRefused{"Autopatch Delay", "Error, One delay entry only."};

void expectMessages(const ScriptedPrompts& prompts, const std::vector<Msg>& expected) {
    ASSERT_EQ(prompts.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(prompts.messages[i].kind, RecordedMessage::Message);
        EXPECT_EQ(prompts.messages[i].icon, Icon::Exclamation);
        EXPECT_EQ(prompts.messages[i].title, QString::fromLatin1(expected[i].title));
        EXPECT_EQ(prompts.messages[i].text, QString::fromLatin1(expected[i].text));
    }
}

TEST(Keypad, KeySetsShowTheirKeys) {
    const struct {
        KeySet keySet;
        const char* visible;  // of the sixteen keys and Delay (",")
    } cases[] = {
        {KeySet::Digits, "0123456789"},
        {KeySet::Codes, "0123456789ABC*#"},
        {KeySet::Telephone, "0123456789*#,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.keySet));
        KeypadFixture f;
        f.begin({c.keySet, 7, QStringLiteral("Heading"), QString(), EntryCheck::None});
        for (const char key : QByteArray("0123456789ABCD*#,")) {
            const QString name =
                key == ',' ? QStringLiteral("cmdDelay") : keyButtonName(QLatin1Char(key));
            EXPECT_EQ(f.button(name)->isVisible(), std::strchr(c.visible, key) != nullptr) << key;
        }
        for (const char* name : {"cmdOK", "cmdCancel", "cmdClear"})
            EXPECT_TRUE(f.button(QString::fromLatin1(name))->isVisible()) << name;
    }
}

TEST(Keypad, PadIsLaidOutLikeATelephone) {
    KeypadFixture f;
    f.begin({KeySet::Codes, 7, QStringLiteral("Control Op Prefix"), QStringLiteral("12"),
             EntryCheck::None});
    auto pos = [&](const char* key) { return f.button(keyButtonName(QLatin1Char(*key)))->pos(); };
    // Rows "123A" / "456B" / "789C" / "*0#", left to right and top to bottom.
    const char* rows[] = {"123A", "456B", "789C", "*0#"};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; rows[r][c + 1]; ++c) {
            EXPECT_LT(pos(&rows[r][c]).x(), pos(&rows[r][c + 1]).x()) << rows[r];
            EXPECT_EQ(pos(&rows[r][c]).y(), pos(&rows[r][c + 1]).y()) << rows[r];
        }
        if (r > 0) {
            EXPECT_LT(pos(&rows[r - 1][0]).y(), pos(&rows[r][0]).y());
        }
    }
    // OK, Cancel, Clear down the right of the pad; the heading above, the display below.
    const QPoint ok = f.button("cmdOK")->pos();
    EXPECT_GT(ok.x(), pos("A").x());
    EXPECT_EQ(ok.y(), pos("1").y());
    EXPECT_EQ(f.button("cmdCancel")->pos().y(), pos("4").y());
    EXPECT_EQ(f.button("cmdClear")->pos().y(), pos("7").y());
    EXPECT_EQ(f.button("cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(f.button("cmdCancel")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(f.button("cmdClear")->text(), QStringLiteral("Clear"));
    EXPECT_EQ(f.button("cmdDelay")->text(), QStringLiteral("Delay"));
    auto* heading = f.pad.findChild<QLabel*>("lblHeading");
    EXPECT_EQ(heading->text(), QStringLiteral("Control Op Prefix"));
    EXPECT_LT(heading->y(), pos("1").y());
    EXPECT_GT(f.pad.findChild<QLabel*>("lblDisplay")->y(), pos("*").y());
    EXPECT_EQ(f.display(), QStringLiteral("12"));
    EXPECT_EQ(f.pad.focusWidget(), f.button("cmdOK"));
}

TEST(Keypad, KeysEditTheDisplay) {
    // clang-format off
    const struct {
        const char* what;
        KeySet keySet;
        int limit;
        const char* initial;
        const char* script;
        const char* display;
        int beeps;
        std::vector<Msg> messages;
    } cases[] = {
        {"first key replaces",                        KeySet::Codes,     7,  "123",      "4",            "4",           0, {}},
        {"first key replaces a full display",         KeySet::Digits,    4,  "1234",     "5",            "5",           0, {}},
        {"first key replaces a text over the limit",  KeySet::Codes,     7,  "12345678", "*",            "*",           0, {}},
        {"keys append up to the limit",               KeySet::Digits,    4,  "",         "12345",        "1234",        1, {}},
        {"twelfth key of a telephone number beeps",   KeySet::Telephone, 11, "",         "123456789012", "12345678901", 1, {}},
        {"delays count against the limit",            KeySet::Telephone, 11, "",         "1,2,3,4,5,67", "1,2,3,4,5,6", 1, {}},
        {"delay at the limit is silent",              KeySet::Telephone, 3,  "",         "123,",         "123",         0, {}},
        {"delay first replaces",                      KeySet::Telephone, 11, "555",      ",",            ",",           0, {}},
        {"delay twice at first is refused",           KeySet::Telephone, 11, "",         ",,",           ",",           0, {DelayRefused}},
        {"delay, key, delay",                         KeySet::Telephone, 11, "",         ",5,",          ",5,",         0, {}},
        {"delay twice later is refused",              KeySet::Telephone, 11, "",         "9,,5",         "9,5",         0, {DelayRefused}},
        {"clear after delay keeps the delay refused", KeySet::Telephone, 11, "",         "9,X,5,",       "5,",          0, {DelayRefused}},
        {"clear empties the display",                 KeySet::Codes,     7,  "123",      "X",            "",            0, {}},
        {"clear before the first key keeps it first", KeySet::Digits,    2,  "12",       "X345",         "34",          1, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KeypadFixture f;
        f.begin({c.keySet, c.limit, QStringLiteral("Telephone Number 5"),
                 QString::fromLatin1(c.initial), EntryCheck::None});
        f.press(c.script);
        EXPECT_EQ(f.display(), QString::fromLatin1(c.display));
        EXPECT_EQ(f.prompts.beeps, c.beeps);
        expectMessages(f.prompts, c.messages);
        EXPECT_TRUE(f.pad.isVisible());
    }
}

TEST(Keypad, OkAppliesTheCheckKind) {
    const Msg OutOf1800{"Macro Command", "Error! Entry must be between 1 and 1800"};
    // clang-format off
    const struct {
        EntryCheck check;
        int limit;
        const char* initial;
        const char* script;          // typed before OK
        std::optional<Msg> refused;  // nothing = accepted
    } cases[] = {
        {EntryCheck::None,         7,  "",                  "1",        std::nullopt},
        {EntryCheck::ToneDelay,    1,  "",                  "9",        std::nullopt},
        {EntryCheck::FourDigits,   4,  "",                  "123",      Msg{"Macro Command", "Error! Need 4 Digit Entry"}},
        {EntryCheck::FourDigits,   4,  "",                  "1234",     std::nullopt},
        {EntryCheck::Range1To1800, 4,  "",                  "1801",     OutOf1800},
        {EntryCheck::Range1To1800, 4,  "",                  "0",        OutOf1800},
        {EntryCheck::Range1To1800, 4,  "",                  "1800",     std::nullopt},
        {EntryCheck::Range1To1800, 4,  "",                  "1",        std::nullopt},
        {EntryCheck::Range1To1800, 4,  "",                  "0300",     std::nullopt},
        {EntryCheck::Range1To1800, 4,  "",                  "0000",     OutOf1800},
        {EntryCheck::TwoDigits,    2,  "",                  "5",        Msg{"Macro Command", "Error! Need 2 Digit Entry"}},
        {EntryCheck::TwoDigits,    2,  "",                  "59",       std::nullopt},
        // The initial text is checked too when OK comes without a key.
        {EntryCheck::OneDigit,     1,  "12",                "",         Msg{"Frequency Entry", "Error! Frequency between 1 and 8"}},
        {EntryCheck::OneDigit,     1,  "",                  "8",        std::nullopt},
        {EntryCheck::ThreeDigits,  3,  "",                  "90",       Msg{"Area Code Entry", "Error! Need 3 Digit Entry"}},
        {EntryCheck::ThreeDigits,  3,  "",                  "907",      std::nullopt},
        {EntryCheck::AtMost15,     7,  "1234567890123456",  "",         Msg{"Macro Command", "Error! Maximum 15 Digit Entry"}},
        {EntryCheck::AtMost15,     7,  "",                  "1234567",  std::nullopt},
        {EntryCheck::AtMost16,     11, "12345678901234567", "",         Msg{"Telephone Number", "Error! Maximum 16 Digit Entry"}},
        {EntryCheck::AtMost16,     11, "",                  "5,551212", std::nullopt},
        {EntryCheck::SevenDigits,  7,  "",                  "123456",   Msg{"Unlock Number", "Error! Requires a 7 Digit Entry"}},
        {EntryCheck::SevenDigits,  7,  "",                  "1234567",  std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.check)) + " " + c.initial + c.script);
        KeypadFixture f;
        f.begin({KeySet::Telephone, c.limit, QStringLiteral("Entry"),
                 QString::fromLatin1(c.initial), c.check});
        f.press(c.script);
        const QString typed = f.display();
        f.press("K");
        if (c.refused) {
            expectMessages(f.prompts, {*c.refused});
            EXPECT_TRUE(f.pad.isVisible());
            EXPECT_EQ(f.display(), typed);
        } else {
            expectMessages(f.prompts, {});
            EXPECT_FALSE(f.pad.isVisible());
            EXPECT_EQ(f.pad.result(), QDialog::Accepted);
            EXPECT_EQ(f.pad.displayText(), typed);
        }
    }
}

TEST(Keypad, OkAcceptsAnEmptyDisplayForEveryCheck) {
    for (const EntryCheck kind :
         {EntryCheck::None, EntryCheck::FourDigits, EntryCheck::Range1To1800, EntryCheck::AtMost15,
          EntryCheck::TwoDigits, EntryCheck::OneDigit, EntryCheck::ToneDelay,
          EntryCheck::ThreeDigits, EntryCheck::AtMost16, EntryCheck::SevenDigits}) {
        SCOPED_TRACE(int(kind));
        KeypadFixture f;
        f.begin({KeySet::Codes, 7, QStringLiteral("Unlock Number"), QStringLiteral("12"), kind});
        f.press("XK");
        expectMessages(f.prompts, {});
        EXPECT_FALSE(f.pad.isVisible());
        EXPECT_EQ(f.pad.result(), QDialog::Accepted);
        EXPECT_EQ(f.pad.displayText(), QString());
    }
}

TEST(Keypad, LeavingWithoutOkRestoresTheInitialDisplay) {
    const struct {
        const char* what;
        std::function<void(KeypadFixture&)> leave;
    } cases[] = {
        {"Cancel", [](KeypadFixture& f) { f.press("Q"); }},
        {"Escape", [](KeypadFixture& f) { QTest::keyClick(f.button("cmdOK"), Qt::Key_Escape); }},
        {"close box", [](KeypadFixture& f) { f.pad.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KeypadFixture f;
        f.begin({KeySet::Telephone, 11, QStringLiteral("Telephone Number 0"),
                 QStringLiteral("5551212"), EntryCheck::AtMost16});
        f.press("9,1X4");
        ASSERT_EQ(f.display(), QStringLiteral("4"));
        c.leave(f);
        EXPECT_FALSE(f.pad.isVisible());
        EXPECT_EQ(f.pad.result(), QDialog::Rejected);
        EXPECT_EQ(f.pad.displayText(), QStringLiteral("5551212"));
        EXPECT_EQ(f.display(), QStringLiteral("5551212"));
    }
}

// Clicks before the pad is armed change nothing; keys typed on the keyboard wait for it and are
// applied in order once it is, so a quick typist's first digits are not lost.
TEST(Keypad, ClicksBeforeArmingChangeNothingTypedKeysWaitForIt) {
    KeypadFixture f(60000);
    f.begin({KeySet::Telephone, 3, QStringLiteral("Tel Pre-Dial"), QStringLiteral("123"),
             EntryCheck::SevenDigits});
    auto* timer = f.pad.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 60000);
    EXPECT_FALSE(f.pad.isArmed());

    f.press("4,,X*K");
    f.press("Q");
    QTest::keyClicks(f.button("cmdOK"), QStringLiteral("9"));
    QTest::keyClick(f.button("cmdOK"), Qt::Key_Delete);
    QTest::keyClicks(f.button("cmdOK"), QStringLiteral("5,6"));
    EXPECT_TRUE(f.pad.isVisible());
    EXPECT_EQ(f.display(), QStringLiteral("123"));
    EXPECT_EQ(f.prompts.beeps, 0);
    expectMessages(f.prompts, {});

    f.pad.arm();  // what Timer1 does when it fires
    EXPECT_EQ(f.display(), QStringLiteral("5,6"));
    f.press("X4");
    EXPECT_EQ(f.display(), QStringLiteral("4"));

    // Enter typed early confirms once armed; an Escape after it finds the pad gone.
    KeypadFixture g(60000);
    g.begin({KeySet::Digits, 4, QStringLiteral("Repeater Time-Out"), QStringLiteral("300"),
             EntryCheck::Range1To1800});
    QTest::keyClicks(g.button("cmdOK"), QStringLiteral("75"));
    QTest::keyClick(g.button("cmdOK"), Qt::Key_Return);
    QTest::keyClick(g.button("cmdOK"), Qt::Key_Escape);
    EXPECT_TRUE(g.pad.isVisible());
    g.pad.arm();
    EXPECT_FALSE(g.pad.isVisible());
    EXPECT_EQ(g.pad.result(), QDialog::Accepted);
    EXPECT_EQ(g.pad.displayText(), QStringLiteral("75"));
}

TEST(Keypad, TheKeyTypedOnItsFieldIsTheFirstPressOnceArmed) {
    KeypadFixture f(60000);
    KeypadRequest request{KeySet::Codes, 8, QStringLiteral("Enter code"), QStringLiteral("123")};
    request.firstKey = QStringLiteral("A");
    f.begin(request);
    QTest::keyClicks(f.button("cmdOK"), QStringLiteral("7"));
    EXPECT_EQ(f.display(), QStringLiteral("123"));
    f.pad.arm();
    EXPECT_EQ(f.display(), QStringLiteral("A7"));
}

TEST(Keypad, CloseBoxWorksBeforeArming) {
    KeypadFixture f(60000);
    f.begin({KeySet::Codes, 7, QStringLiteral("Unlock Number"), QStringLiteral("1234567"),
             EntryCheck::SevenDigits});
    f.pad.close();
    EXPECT_FALSE(f.pad.isVisible());
    EXPECT_EQ(f.pad.result(), QDialog::Rejected);
    EXPECT_EQ(f.pad.displayText(), QStringLiteral("1234567"));
}

TEST(Keypad, EachEntryStartsUnarmedWithTheHalfSecondDelay) {
    ScriptedPrompts prompts;
    KeypadDialog pad(prompts);
    auto* timer = pad.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500);
    pad.begin({KeySet::Digits, 4, QStringLiteral("Repeater Time-Out"), QStringLiteral("300"),
               EntryCheck::Range1To1800});
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(pad.isArmed());
    pad.arm();
    // A second entry on the same pad is unarmed again, with fresh flags.
    pad.begin({KeySet::Telephone, 11, QStringLiteral("Emergency Number 0"), QStringLiteral("911"),
               EntryCheck::AtMost16});
    EXPECT_FALSE(pad.isArmed());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(pad.windowTitle(), QStringLiteral("Emergency Number 0"));
    // A pad made without a delay, as the tests here use it, reacts from the start.
    KeypadFixture quick;
    quick.begin({KeySet::Digits, 4, QStringLiteral("Repeater Time-Out"), QStringLiteral("300"),
                 EntryCheck::Range1To1800});
    EXPECT_TRUE(quick.pad.isArmed());
}

TEST(Keypad, KeyboardTypesTheVisibleKeysOnly) {
    const struct {
        const char* what;
        KeySet keySet;
        const char* initial;
        const char* typed;
        const char* display;
    } cases[] = {
        {"codes keys, lower case too", KeySet::Codes, "9", "ab*#C50", "AB*#C50"},
        {"no D nor delay for codes", KeySet::Codes, "", "1D,2", "12"},
        {"telephone with a delay", KeySet::Telephone, "", "9,5551212", "9,5551212"},
        {"telephone refuses letters", KeySet::Telephone, "", "1A2B3C4D", "1234"},
        {"digits only", KeySet::Digits, "", "A*#,5", "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KeypadFixture f;
        f.begin({c.keySet, 11, QStringLiteral("Entry"), QString::fromLatin1(c.initial),
                 EntryCheck::None});
        // The keys go to the button that has the focus and pass on to the pad.
        QTest::keyClicks(f.button("cmdOK"), QString::fromLatin1(c.typed));
        EXPECT_EQ(f.display(), QString::fromLatin1(c.display));
        expectMessages(f.prompts, {});
    }
}

TEST(Keypad, KeyboardCommandsClearAndConfirm) {
    KeypadFixture f;
    f.begin({KeySet::Telephone, 11, QStringLiteral("Entry"), QStringLiteral("12"),
             EntryCheck::FourDigits});
    QPushButton* focus = f.button("cmdClear");
    QTest::keyClicks(focus, QStringLiteral("123"));
    QTest::keyClick(focus, Qt::Key_Delete);
    EXPECT_EQ(f.display(), QString());
    // Delay then Delay again from the keyboard is refused like the buttons.
    QTest::keyClicks(focus, QStringLiteral("5,,"));
    expectMessages(f.prompts, {DelayRefused});
    // Enter is OK (not Clear, though Clear has the focus): "5," is refused as too short.
    QTest::keyClick(focus, Qt::Key_Return);
    ASSERT_EQ(f.prompts.messages.size(), 2u);
    EXPECT_EQ(f.prompts.messages[1].text, QStringLiteral("Error! Need 4 Digit Entry"));
    EXPECT_TRUE(f.pad.isVisible());
    QTest::keyClicks(focus, QStringLiteral("55"));
    QTest::keyClick(focus, Qt::Key_Enter);
    EXPECT_FALSE(f.pad.isVisible());
    EXPECT_EQ(f.pad.result(), QDialog::Accepted);
    EXPECT_EQ(f.pad.displayText(), QStringLiteral("5,55"));
}

TEST(Keypad, ShowKeypadRunsModallyAndReturnsTheText) {
    const struct {
        const char* script;
        std::optional<QString> returned;
    } cases[] = {
        {"12K", QStringLiteral("12")},
        {"12Q", std::nullopt},
        {"XK", QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        KeypadFixture f;
        QTimer::singleShot(0, &f.pad, [&] {
            EXPECT_TRUE(f.pad.isModal());
            EXPECT_EQ(f.pad.findChild<QLabel*>("lblHeading")->text(),
                      QStringLiteral("Repeater Time-Out"));
            f.press(c.script);
            if (f.pad.isVisible()) f.pad.reject();  // never leave the loop hanging
        });
        EXPECT_EQ(f.pad.enterKeys({KeySet::Digits, 4, QStringLiteral("Repeater Time-Out"),
                                   QStringLiteral("0300"), EntryCheck::Range1To1800}),
                  c.returned);
    }
}

TEST(Keypad, AModalEntryLeftWithoutOkReturnsNothing) {
    const struct {
        const char* what;
        std::function<void(KeypadFixture&)> leave;
    } cases[] = {
        {"Cancel", [](KeypadFixture& f) { f.press("Q"); }},
        {"Escape", [](KeypadFixture& f) { QTest::keyClick(f.button("cmdOK"), Qt::Key_Escape); }},
        {"close box", [](KeypadFixture& f) { f.pad.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KeypadFixture f;
        QTimer::singleShot(0, &f.pad, [&] {
            f.press("12");
            c.leave(f);
            if (f.pad.isVisible()) f.pad.accept();  // a way that failed returns "12"
        });
        EXPECT_EQ(f.pad.enterKeys({KeySet::Digits, 4, QStringLiteral("Repeater Time-Out"),
                                   QStringLiteral("0300"), EntryCheck::Range1To1800}),
                  std::optional<QString>());
    }
}

}  // namespace
