// The DTMF key codes and the stored key forms of the image: DTMF digit fields, telephone number
// fields, three-digit entries and packed digit pairs, each with its encode and decode rule.
#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

#include "core/image.h"

namespace Dtmf {

inline constexpr int DigitFieldKeys = 7;  // code bytes of a DTMF digit field
inline constexpr int DigitFieldSize = 8;  // length byte + seven code bytes
inline constexpr int TelNumSize = 12;     // digit count + eleven digit slots
inline constexpr int TelNumDigits = 11;
inline constexpr int ThreeDigitSize = 3;
inline constexpr int PackedCommandSize = 2;  // two packed digit pairs
inline constexpr QChar DelayMark = QLatin1Char(',');

// How storeDigitField writes the length byte of a DTMF digit field.
enum class LengthRule {
    Characters,  // the number of characters of the text (control codes, pre-dial, macro triggers)
    Fixed7,      // always 7 (the unlock number)
};

// The 4-bit DTMF key code of one key character: "D" = 0, "1".."9" = 1..9, "0" = 10, "*" = 11,
// "#" = 12, "A".."C" = 13..15. Any other character, the delay mark included, gives 0.
std::uint8_t encodeKey(QChar key);
// The same for a text of one character; the empty text (a position past the end) gives 0.
std::uint8_t encodeKey(const QString& key);
// The key character of a DTMF key code (low nibble); code 0 is "D".
QChar keyChar(int code);

// DTMF digit field at offset: the keys stored, at most maxKeys (and never more than the seven
// code bytes of the field, whatever the length byte holds).
QString digitFieldText(const Image& image, int offset, int maxKeys = DigitFieldKeys);
// Writes all 8 bytes of a DTMF digit field; code bytes past the text are 0.
void storeDigitField(Image& image, int offset, const QString& text, LengthRule rule);

// Writes all 12 bytes of a telephone number field: the digit count, then one byte per digit with
// 0x10 added when a dialling delay comes before it. A delay after the last digit is not kept.
void storeTelephoneNumber(Image& image, int offset, const QString& text);
// Telephone number field at offset as text with delay marks; empty for a count of 12 or more.
QString telephoneNumberText(const Image& image, int offset);

// Three-digit entry (area code, prefix): empty when its first byte is 0.
QString threeDigitText(const Image& image, int offset);
// Writes the three bytes of a three-digit entry: key codes ("0" as 10), or three 0 bytes for the
// empty text.
void storeThreeDigits(Image& image, int offset, const QString& text);

// Two decimal digits packed into one byte, the first in the high nibble; any key other than
// "0".."9" counts as 0, a missing character too.
std::uint8_t packDigitPair(const QString& pair);

}  // namespace Dtmf
