// The courtesy-tone codes: a frequency code 0..8 (no tone, 300..1000 Hz) and a time code 0..9
// (0..450 ms), each stored in one byte, with the texts the dialog and the report show.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace Tones {

inline constexpr std::array<const char*, 9> FrequencyTexts = {"0",   "300", "400", "500", "600",
                                                              "700", "800", "900", "1000"};
inline constexpr std::array<const char*, 10> TimeTexts = {"0",   "50",  "100", "150", "200",
                                                          "250", "300", "350", "400", "450"};

// The hertz text of a frequency byte; empty for a byte above 8.
QString frequencyText(std::uint8_t byte);
// The milliseconds text of a time byte; empty for a byte above 9.
QString timeText(std::uint8_t byte);

// Between shown texts and keypad code digits; all matching is exact, anything else gives "".
QString frequencyCode(const QString& hertz);     // "500" -> "3"
QString frequencyFromCode(const QString& code);  // "3" -> "500"
QString timeCode(const QString& milliseconds);   // "150" -> "3"
QString timeFromCode(const QString& code);       // "3" -> "150"
// The byte stored for a shown text; 0 for anything the table lacks.
std::uint8_t frequencyByte(const QString& hertz);
std::uint8_t timeByte(const QString& milliseconds);

}  // namespace Tones
