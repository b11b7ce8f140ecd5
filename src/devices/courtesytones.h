// The eight courtesy tones: their records, the grid of the courtesy tones dialog (eight fields a
// row, each a frequency or a time), the keypad request of each field and how an answer is stored.
#pragma once

#include <QString>
#include <array>

#include "core/image.h"
#include "core/regions.h"
#include "formats/keypadrequest.h"
#include "formats/sound.h"

namespace CourtesyTones {

inline constexpr char Title[] = "Courtesy Tones";
inline constexpr int RowCount = Region::CourtesyToneCount;
inline constexpr int FieldCount = Region::CourtesyToneRecord;
inline constexpr char EraseCaption[] = "E";
inline constexpr char FrequencyUnit[] = "Hertz";
inline constexpr char TimeUnit[] = "Msec";

enum class FieldKind { Frequency, Time };

// The record's bytes left to right as the grid shows them.
struct FieldInfo {
    const char* objectName;  // control name, indexed by row
    const char* group;       // column group caption
    FieldKind kind;
    const char* heading;  // keypad heading
    const char* key;      // the field's key word: "tone-1-hertz"
};
inline constexpr std::array<FieldInfo, FieldCount> Fields = {{
    {"lblT1", "Tone 1", FieldKind::Frequency, "Enter Frequency 1..8", "tone-1-hertz"},
    {"lblTD1", "Tone 1", FieldKind::Time, "Enter Time Delay 0..9", "tone-1-msec"},
    {"lblD1", "Dly 1", FieldKind::Time, "Enter Time Delay 0..9", "dly-1-msec"},
    {"lblT2", "Tone 2", FieldKind::Frequency, "Enter Frequency", "tone-2-hertz"},
    {"lblTD2", "Tone 2", FieldKind::Time, "Enter Time Delay 0..9", "tone-2-msec"},
    {"lblD2", "Dly 2", FieldKind::Time, "Enter Time Delay 0..9", "dly-2-msec"},
    {"lblT3", "Tone 3", FieldKind::Frequency, "Enter Frequency", "tone-3-hertz"},
    {"lblTD3", "Tone 3", FieldKind::Time, "Enter Time Delay 0..9", "tone-3-msec"},
}};

// Record of row 0..7 (courtesy tone row + 1).
constexpr int toneOffset(int row) {
    return Region::CourtesyTones + Region::CourtesyToneRecord * row;
}
static_assert(toneOffset(7) == 882 && toneOffset(7) + 8 == Region::Macros);

// The eight texts of a row; all empty for a blank tone (frequency of tone 1 is 0), and empty for
// a byte outside its code table.
std::array<QString, FieldCount> rowTexts(const Image& image, int row);
// The code digit of a shown text, the keypad's starting text ("500" -> "3" for a frequency);
// empty for an empty field.
QString keypadText(int field, const QString& shown);
// The keypad request for a field showing `shown`: its code digit as the starting text.
KeypadRequest request(int field, const QString& shown);
// The text the field shows after the keypad returned `code`.
QString shownAfter(int field, const QString& code);
// Stores the byte of a field from the text it now shows.
void store(Image& image, int row, int field, const QString& shown);
// Stores a confirmed keypad answer (a code digit) in one field of row 0..7: the field's byte
// becomes the code of the text the answer shows, 0 for a digit outside the field's table ("9" for
// a frequency) or any other answer, the empty answer over a field that shows nothing too.
void storeAnswer(Image& image, int row, int field, const QString& code);
// "E": zeroes the row's eight bytes.
void erase(Image& image, int row);

// Row 0..7 as sound: tone 1, delay 1, tone 2, delay 2, tone 3. A frequency code 0 is silence for
// the tone's length; a field the controller cannot use (shown empty) plays nothing for its step;
// a blank row (tone 1 frequency 0) is no sound at all.
Sound::Steps sound(const Image& image, int row);

}  // namespace CourtesyTones
