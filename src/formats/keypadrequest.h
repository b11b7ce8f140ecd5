// One keypad entry as a field asks for it: which keys the pad offers, how many characters it
// takes, the heading, the starting text and the check OK applies.
#pragma once

#include <QString>

// The keys a field offers; "0".."9", OK, Cancel and Clear always show.
enum class KeySet {
    Digits = 1,     // 0..9 only
    Codes = 3,      // 0..9, A, B, C, *, #
    Telephone = 6,  // 0..9, *, #, Delay
};

// The check OK applies to a non-empty display.
enum class EntryCheck {
    None = 0,
    FourDigits = 1,
    Range1To1800 = 2,
    AtMost15 = 4,
    TwoDigits = 5,
    OneDigit = 6,
    ToneDelay = 7,  // courtesy-tone delays: accepts everything
    ThreeDigits = 8,
    AtMost16 = 9,
    SevenDigits = 10,
};

struct KeypadRequest {
    KeySet keySet = KeySet::Digits;
    int limit = 0;  // most characters the display takes after the first key
    QString heading;
    QString initial;  // the field's current text; what Cancel gives back
    EntryCheck check = EntryCheck::None;
    // A key typed on the field that opened the pad: the pad's first key press, taken as soon as
    // the pad is armed. Empty when the pad was opened by a click, Enter or Space.
    QString firstKey = {};

    bool operator==(const KeypadRequest&) const = default;
};
