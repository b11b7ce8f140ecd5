// The argument values of a keypad entry: which keys a field offers and which check OK applies.
#pragma once

namespace KeySet {
inline constexpr int Digits = 1;     // 0..9 only
inline constexpr int Codes = 3;      // 0..9, A, B, C, *, #
inline constexpr int Telephone = 6;  // 0..9, *, #, Delay
}  // namespace KeySet

namespace CheckKind {
inline constexpr int None = 0;
inline constexpr int FourDigits = 1;
inline constexpr int Range1To1800 = 2;
inline constexpr int AtMost15 = 4;
inline constexpr int TwoDigits = 5;
inline constexpr int OneDigit = 6;
inline constexpr int ToneDelay = 7;  // courtesy-tone delays: accepts everything
inline constexpr int ThreeDigits = 8;
inline constexpr int AtMost16 = 9;
inline constexpr int SevenDigits = 10;
}  // namespace CheckKind
