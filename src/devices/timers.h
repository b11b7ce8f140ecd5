// The sixteen controller timers of a block: their table (captions, keypad headings, units), the
// 11-bit count each entry holds, and the texts the timers dialog and the printed listing show.
#pragma once

#include <QString>
#include <array>

#include "core/image.h"
#include "core/regions.h"
#include "formats/keypadrequest.h"

// Seconds timers count whole seconds and show "mm:ss"; tenths timers count tenths of a second.
enum class TimerKind { Tenths, Seconds };

struct TimerInfo {
    const char* label;    // caption beside the value on the timers dialog
    const char* heading;  // heading of the keypad while the timer is edited
    TimerKind kind;
    const char* key;  // the timer's key word: "repeater-time-out"
};

inline constexpr int TimerCount = Region::Rel::TimerCount;
inline constexpr int TimerCountMax = 2047;    // eleven bits
inline constexpr int TenthsEntryMax = 99;     // two keypad digits
inline constexpr int SecondsEntryMax = 1800;  // thirty minutes
// Keypad length limits: two digits for a tenths timer, four for a seconds timer.
inline constexpr int TenthsKeypadLimit = 2;
inline constexpr int SecondsKeypadLimit = 4;

inline constexpr std::array<TimerInfo, TimerCount> TimerTable = {{
    {"Repeater Time-Out", "Repeater Time-Out", TimerKind::Seconds, "repeater-time-out"},
    {"Repeater Sleep", "Repeater Sleep", TimerKind::Seconds, "repeater-sleep"},
    {"Turn On Delay", "Turn-On Delay", TimerKind::Tenths, "turn-on-delay"},
    {"COR Drop To Beep", "COR Drop To Beep", TimerKind::Tenths, "cor-drop-to-beep"},
    {"Beep To PTT Drop", "Beep To PTT Drop", TimerKind::Tenths, "beep-to-ptt-drop"},
    {"DTMF Muting Delay", "DTMF Muting Delay", TimerKind::Tenths, "dtmf-muting-delay"},
    {"Repeater ID", "Repeater ID", TimerKind::Seconds, "repeater-id"},
    {"Squelch Message", "Squelch Tail Message", TimerKind::Seconds, "squelch-message"},
    {"Drop Out Message", "Drop-Out Message", TimerKind::Seconds, "drop-out-message"},
    {"Voice Delay", "Voice Delay.", TimerKind::Tenths, "voice-delay"},
    {"Autopatch Length", "Autopatch Length", TimerKind::Seconds, "autopatch-length"},
    {"Autopatch Activity", "Autopatch Activity", TimerKind::Seconds, "autopatch-activity"},
    {"DTMF Pre Window Timer", "DTMF Pre-window", TimerKind::Tenths, "dtmf-pre-window-timer"},
    {"DTMF Window Timer", "DTMF Window", TimerKind::Tenths, "dtmf-window-timer"},
    {"Prgm Max Length", "Programming Max Length", TimerKind::Seconds, "prgm-max-length"},
    {"Ring Detector Timer", "Ring Detector", TimerKind::Seconds, "ring-detector-timer"},
}};

namespace TimerTexts {
inline constexpr char UnitSeconds[] = "Min:Sec";
inline constexpr char UnitTenths[] = "Sec";
// Shown when a keypad answer cannot be stored (not a whole number, or beyond the timer's range).
inline constexpr char TenthsRefused[] = "Error! Entry must be between 0 and 99";
inline constexpr char SecondsRefused[] = "Error! Entry must be between 1 and 1800";
}  // namespace TimerTexts

QString timerLabel(int timer);
// The keypad heading of a timer; the empty text for a number outside 0..15.
QString timerHeading(int timer);
QString timerUnit(int timer);

// File offset of a timer's entry in a block (table start + 2 x number).
int timerOffset(int block, int timer);

// The count of the entry at `offset`: byte 0 + 256 x (byte 1 AND 7); the upper five bits of
// byte 1 carry nothing.
int timerCount(const Image& image, int offset);

// "0.0" for tenths (15 -> "1.5", 2047 -> "204.7"), "mm:ss" for seconds (90 -> "01:30").
QString timerText(int count, TimerKind kind);

// The keypad's starting text for a displayed value: tenths x 10 ("1.5" -> "15"), seconds as
// 60 x minutes + seconds ("01:30" -> "90").
QString timerKeypadText(const QString& displayed, TimerKind kind);

// The keypad entry of timer 0..15 whose field shows `shownValue`: digits only under the timer's
// heading; two digits for a tenths timer, four checked against 1..1800 for a seconds timer.
KeypadRequest timerRequest(int timer, const QString& shownValue);

enum class TimerStore {
    Written,  // the entry holds the new count
    Kept,     // a tenths count above 99 came back (an unchanged initial text): left alone
    Refused,  // not a whole number, or too large for the entry: nothing written
};

// Store a keypad answer into a tenths entry: empty -> 0; n <= 99 -> byte 0 = n, byte 1 = 0.
TimerStore storeTenthsTimer(Image& image, int offset, const QString& text);
// Store a keypad answer into a seconds entry: empty -> 0; otherwise the 11-bit count n, the upper
// five bits of byte 1 cleared.
TimerStore storeSecondsTimer(Image& image, int offset, const QString& text);
