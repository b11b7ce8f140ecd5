// The keypad's one rule for what OK hands back, which its dialog and every store of a keypad
// field from text share: the starting text untouched, or keys of the key set within the limit and
// never two delays in a row, then the check kind.
#include <gtest/gtest.h>

#include "formats/keypadrules.h"

TEST(KeypadRules, AcceptsWhatThePadCanHandBack) {
    const KeypadRequest code{KeySet::Codes, 7, {}, QStringLiteral("12D"), EntryCheck::None};
    const KeypadRequest phone{KeySet::Telephone, 7, {}, {}, EntryCheck::None};
    const KeypadRequest seconds{
        KeySet::Digits, 4, {}, QStringLiteral("2047"), EntryCheck::Range1To1800};
    const KeypadRequest unlock{KeySet::Codes, 7, {}, {}, EntryCheck::SevenDigits};
    const KeypadRequest noLimit{KeySet::Digits, 0, {}, {}, EntryCheck::None};
    // clang-format off
    const struct { const KeypadRequest& request; const char* text; const char* refusal; } cases[] = {
        {code,    "12D",      nullptr},  // the starting text, though the set has no D
        {code,    "12C*#A0",  nullptr},
        {code,    "13D",      ""},       // a key the set does not show
        {code,    "12345678", ""},       // beyond the limit
        {phone,   ",",        nullptr},
        {phone,   "9,5,",     nullptr},
        {phone,   "9,,5",     ""},       // a Delay straight after a Delay
        {phone,   "9A",       ""},
        {seconds, "2047",     "Error! Entry must be between 1 and 1800"},  // checked all the same
        {seconds, "1800",     nullptr},
        {seconds, "1801",     "Error! Entry must be between 1 and 1800"},
        {seconds, "0",        "Error! Entry must be between 1 and 1800"},
        {seconds, "",         nullptr},  // the empty entry, always
        {unlock,  "123456",   "Error! Requires a 7 Digit Entry"},
        {unlock,  "",         nullptr},
        {noLimit, "7",        nullptr},  // the first key replaces the text whatever the limit
        {noLimit, "77",       ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto refusal = Keypad::accepts(c.request, QLatin1String(c.text));
        ASSERT_EQ(refusal.has_value(), c.refusal != nullptr);
        if (refusal) {
            EXPECT_EQ(refusal->text, QLatin1String(c.refusal));
        }
    }
    EXPECT_EQ(Keypad::entryForm(code), QStringLiteral("keys 0-9, A-C, * and #, at most 7"));
    EXPECT_EQ(Keypad::entryForm(unlock),
              QStringLiteral("keys 0-9, A-C, * and #, exactly 7, or none"));
}
