// The keypad's one rule for what OK hands back, shared by its dialog and every keypad store.
#include <gtest/gtest.h>

#include "formats/keypadrules.h"

TEST(KeypadRules, AcceptsWhatThePadCanHandBack) {
    const KeypadRequest code{KeySet::Codes, 7, {}, QStringLiteral("12D"), EntryCheck::None};
    const KeypadRequest phone{KeySet::Telephone, 7, {}, {}, EntryCheck::None};
    const KeypadRequest seconds{
        KeySet::Digits, 4, {}, QStringLiteral("2047"), EntryCheck::Range1To1800};
    // clang-format off
    const struct { const KeypadRequest& request; const char* text; const char* refusal; } cases[] = {
        {code,    "12D",      "-"},  // "-": accepted; the starting text, though the set has no D
        {code,    "13D",      ""},   // "": refused without a message; a key the set does not show
        {code,    "12345678", ""},   // beyond the limit
        {phone,   "9,5,",     "-"},
        {phone,   "9,,5",     ""},   // a Delay straight after a Delay
        {seconds, "2047",     "Error! Entry must be between 1 and 1800"},  // checked all the same
        {seconds, "",         "-"},  // the empty entry, always
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto refusal = Keypad::accepts(c.request, QLatin1String(c.text));
        EXPECT_EQ(refusal ? refusal->text : QStringLiteral("-"), QLatin1String(c.refusal))
            << c.text;
    }
}
