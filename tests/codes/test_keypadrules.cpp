// The keypad's key sets and OK checks, as tables the dialog uses.
#include <gtest/gtest.h>

#include "codes/keypadrules.h"

namespace {

TEST(KeyPadRules, KeySetsShowTheirOptionalKeys) {
    const struct {
        int keySet;
        const char* shown;   // optional keys visible ("," = Delay)
        const char* hidden;  // optional keys not visible
    } cases[] = {
        {KeySet::Digits, "", "ABCD*#,"},
        {KeySet::Codes, "ABC*#", "D,"},
        {KeySet::Telephone, "*#,", "ABCD"},
        {2, "", "ABCD*#,"},  // no caller passes it: digits only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keySet);
        for (const char key : QByteArray("0123456789"))
            EXPECT_TRUE(KeyPad::keyShown(c.keySet, QLatin1Char(key))) << key;
        for (const char key : QByteArray(c.shown))
            EXPECT_TRUE(KeyPad::keyShown(c.keySet, QLatin1Char(key))) << key;
        for (const char key : QByteArray(c.hidden))
            EXPECT_FALSE(KeyPad::keyShown(c.keySet, QLatin1Char(key))) << key;
    }
}

TEST(KeyPadRules, ChecksAcceptOrRefuseWithTheirMessage) {
    const struct {
        int kind;
        const char* text;
        const char* title;  // nullptr = accepted
        const char* message;
    } cases[] = {
        {CheckKind::None, "1234567890ABCD", nullptr, nullptr},
        {CheckKind::ToneDelay, "99", nullptr, nullptr},
        {CheckKind::FourDigits, "1234", nullptr, nullptr},
        {CheckKind::FourDigits, "123", "Macro Command", "Error! Need 4 Digit Entry"},
        {CheckKind::FourDigits, "12345", "Macro Command", "Error! Need 4 Digit Entry"},
        {CheckKind::Range1To1800, "1", nullptr, nullptr},
        {CheckKind::Range1To1800, "1800", nullptr, nullptr},
        {CheckKind::Range1To1800, "0300", nullptr, nullptr},
        {CheckKind::Range1To1800, "0", "Macro Command", "Error! Entry must be between 1 and 1800"},
        {CheckKind::Range1To1800, "0000", "Macro Command",
         "Error! Entry must be between 1 and 1800"},
        {CheckKind::Range1To1800, "1801", "Macro Command",
         "Error! Entry must be between 1 and 1800"},
        {CheckKind::Range1To1800, "9999", "Macro Command",
         "Error! Entry must be between 1 and 1800"},
        {CheckKind::Range1To1800, "1*", "Macro Command", "Error! Entry must be between 1 and 1800"},
        {CheckKind::AtMost15, "123456789012345", nullptr, nullptr},
        {CheckKind::AtMost15, "1234567890123456", "Macro Command", "Error! Maximum 15 Digit Entry"},
        {CheckKind::TwoDigits, "59", nullptr, nullptr},
        {CheckKind::TwoDigits, "5", "Macro Command", "Error! Need 2 Digit Entry"},
        {CheckKind::OneDigit, "8", nullptr, nullptr},
        {CheckKind::OneDigit, "12", "Frequency Entry", "Error! Frequency between 1 and 8"},
        {CheckKind::ThreeDigits, "907", nullptr, nullptr},
        {CheckKind::ThreeDigits, "90", "Area Code Entry", "Error! Need 3 Digit Entry"},
        {CheckKind::ThreeDigits, "9071", "Area Code Entry", "Error! Need 3 Digit Entry"},
        {CheckKind::AtMost16, "1234567890123456", nullptr, nullptr},
        {CheckKind::AtMost16, "12345678901234567", "Telephone Number",
         "Error! Maximum 16 Digit Entry"},
        {CheckKind::SevenDigits, "1234567", nullptr, nullptr},
        {CheckKind::SevenDigits, "123456", "Unlock Number", "Error! Requires a 7 Digit Entry"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.text);
        const auto refusal = KeyPad::check(c.kind, QString::fromLatin1(c.text));
        if (!c.title) {
            EXPECT_FALSE(refusal.has_value());
            continue;
        }
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->title, QString::fromLatin1(c.title));
        EXPECT_EQ(refusal->text, QString::fromLatin1(c.message));
    }
}

TEST(KeyPadRules, EmptyEntryPassesEveryCheck) {
    for (const auto& row : KeyPad::Checks) {
        EXPECT_FALSE(KeyPad::check(row.checkKind, QString()).has_value()) << row.checkKind;
    }
}

}  // namespace
