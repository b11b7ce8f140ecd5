// The rules of the keypad entry: which keys a key set offers, the pad's captions, and the checks
// OK applies with their messages. The keypad dialog and its tests share these tables.
#pragma once

#include <QChar>
#include <QString>
#include <optional>

#include "formats/keypadrequest.h"

namespace Keypad {

// The sixteen keys as the pad shows them, rows top to bottom.
inline constexpr int PadRows = 4;
inline constexpr int PadColumns = 4;
inline constexpr char PadKeys[PadRows][PadColumns + 1] = {"123A", "456B", "789C", "*0#D"};

// The command buttons right of the pad, top to bottom.
inline constexpr char CancelCaption[] = "Cancel";
inline constexpr char ClearCaption[] = "Clear";
inline constexpr char DelayCaption[] = "Delay";

// The Delay key writes the delay mark; a second Delay straight after one is refused.
inline constexpr QChar DelayKey = QLatin1Char(',');
inline constexpr char DelayRefusedTitle[] = "Autopatch Delay";
inline constexpr char DelayRefusedText[] = "Error, One delay entry only.";

// Which of the optional keys each key set shows; "0".."9", OK, Cancel and Clear always show.
struct KeySetRow {
    KeySet keySet;
    const char* optionalKeys;  // key characters, "," standing for Delay
    const char* keysText;      // the keys as a refusal names them
};
inline constexpr KeySetRow KeySets[] = {
    {KeySet::Digits, "", "0-9"},
    {KeySet::Codes, "ABC*#", "0-9, A-C, * and #"},
    {KeySet::Telephone, "*#,", "0-9, * and #, \",\" for a delay (never two in a row)"},
};

// True when the key (a pad character, or "," for Delay) is visible in the key set. A key set
// not in the table shows the digits only.
bool keyShown(KeySet keySet, QChar key);

// The checks OK applies to a non-empty display.
enum class Test { Anything, Exactly, AtMost, Range1To1800 };
struct CheckRow {
    EntryCheck check;
    Test test;
    int length;  // for Exactly and AtMost
    const char* text;
    const char* title;
};
inline constexpr CheckRow Checks[] = {
    {EntryCheck::None, Test::Anything, 0, "", ""},
    {EntryCheck::FourDigits, Test::Exactly, 4, "Error! Need 4 Digit Entry", "Macro Command"},
    {EntryCheck::Range1To1800, Test::Range1To1800, 0, "Error! Entry must be between 1 and 1800",
     "Macro Command"},
    {EntryCheck::AtMost15, Test::AtMost, 15, "Error! Maximum 15 Digit Entry", "Macro Command"},
    {EntryCheck::TwoDigits, Test::Exactly, 2, "Error! Need 2 Digit Entry", "Macro Command"},
    {EntryCheck::OneDigit, Test::Exactly, 1, "Error! Frequency between 1 and 8", "Frequency Entry"},
    {EntryCheck::ToneDelay, Test::Anything, 0, "", ""},
    {EntryCheck::ThreeDigits, Test::Exactly, 3, "Error! Need 3 Digit Entry", "Area Code Entry"},
    {EntryCheck::AtMost16, Test::AtMost, 16, "Error! Maximum 16 Digit Entry", "Telephone Number"},
    {EntryCheck::SevenDigits, Test::Exactly, 7, "Error! Requires a 7 Digit Entry", "Unlock Number"},
};

// The message OK shows when it refuses an entry.
struct Refusal {
    QString title;
    QString text;
};

// Applies the check kind to the display text: nothing when OK may close the pad, else the
// message to show. The empty text is always accepted; a check kind not in the table accepts
// everything.
std::optional<Refusal> check(EntryCheck check, const QString& text);

// Whether OK can close the pad with `text` on its display for this entry: the starting text
// untouched or keys typed on the pad (keys of its key set, the first replacing the starting text
// and the others stopping at the limit, never a Delay straight after a Delay), and the check kind
// passed. Nothing when it can; else the check's message, or an empty one for a text the pad
// cannot show at all (it beeps or ignores the key instead). The pad's OK and every store of a
// keypad field from text go through this one rule.
std::optional<Refusal> accepts(const KeypadRequest& request, const QString& text);

// The keys and the length the entry takes, as a refusal names them: "keys 0-9, A-C, * and #, at
// most 7"; "exactly 7, or none" for a check of exact length.
QString entryForm(const KeypadRequest& request);

}  // namespace Keypad
