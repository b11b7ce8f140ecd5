// The autopatch's single numbers and look-up tables: the pre-dial number, the repeater unlock
// code, the ten area codes and the hundred telephone prefixes (the last two in the region of
// memory save #4).
#pragma once

#include <QString>
#include <array>

#include "core/image.h"
#include "core/regions.h"
#include "formats/keypadrequest.h"

namespace PreDial {
inline constexpr char Title[] = "Telephone Pre-Dial Number";
inline constexpr char Heading[] = "Tel Pre-Dial";
inline constexpr int Limit = 7;
QString text(const Image& image);
// The length byte counts every character, delay marks included; a delay mark is stored as code 0.
void store(Image& image, const QString& text);
KeypadRequest request(const QString& shown);
}  // namespace PreDial

namespace Unlock {
inline constexpr char Title[] = "Repeater Unlock Code";
inline constexpr char Caption[] = "Repeater 7 Digit Unlock Number";
inline constexpr char Heading[] = "Unlock Number";
inline constexpr char EmptyTitle[] = "Unlock Code";
inline constexpr char EmptyText[] = "Error, No Unlock Entry.";
inline constexpr int Limit = 7;
QString text(const Image& image);
// The length byte is always 7, even for an empty code.
void store(Image& image, const QString& text);
KeypadRequest request(const QString& shown);
}  // namespace Unlock

namespace AreaCodes {
inline constexpr char Title[] = "Area Codes";
inline constexpr char Heading[] = "Area Code";
inline constexpr int Count = Region::AreaCodeCount;
// Area code i (0..9); the table's count byte stands before the first.
constexpr int entryOffset(int i) { return Region::AreaCodes + 1 + 3 * i; }
static_assert(entryOffset(9) + 3 == 7359);
// Area code i, empty for an empty entry.
QString text(const Image& image, int i);
// Writes the whole table from the ten fields: each entry in its own place (not compacted) and
// the number of non-empty ones in the count byte.
void store(Image& image, const std::array<QString, Count>& fields);
// Stores a keypad answer for area code i: the whole table is written as `store` writes it, entry i
// from the answer and the others from the text they show.
void storeEntry(Image& image, int i, const QString& answer);
KeypadRequest request(int i, const QString& shown);
}  // namespace AreaCodes

namespace Prefixes {
inline constexpr char Title[] = "Prefix Codes";
inline constexpr char GroupFrame[] = "Prefix Group";
inline constexpr std::array<const char*, Region::PrefixGroupCount> GroupOptions = {
    "0-19", "20-39", "40-59", "60-79", "80-99"};
inline constexpr char Heading[] = "Prefix Code";
inline constexpr int PerGroup = 20;
inline constexpr int LinesPerGroup = 4;
inline constexpr int PerLine = 5;
inline constexpr int LineSize = 16;
// Line l (0..3) of group g (0..4): its count byte, then five three-digit entries.
constexpr int lineOffset(int group, int line) {
    return Region::Prefixes + Region::PrefixGroupSize * group + LineSize * line;
}
// Prefix n (0..99).
constexpr int entryOffset(int n) {
    return lineOffset(n / PerGroup, n % PerGroup / PerLine) + 1 + 3 * (n % PerLine);
}
static_assert(entryOffset(47) == 7159 && lineOffset(2, 1) == 7152);
QString text(const Image& image, int n);
// Writes the four lines of group g from its twenty fields (field c = line c / 5, place c % 5).
void storeGroup(Image& image, int group, const std::array<QString, PerGroup>& fields);
// Stores a keypad answer for prefix n as the dialog, which opens on group 0, stores it: group 0
// is written from the texts it shows when the user leaves it for n's group, then the four lines
// of n's group are written, prefix n from the answer and the others from the texts they show.
void storeEntry(Image& image, int n, const QString& answer);
KeypadRequest request(int n, const QString& shown);
}  // namespace Prefixes
