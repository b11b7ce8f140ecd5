// The autopatch's speed dials: one hundred user entries in ten groups and five emergency entries,
// each a telephone number with a spoken identification of up to eight words.
#pragma once

#include <QString>
#include <array>

#include "core/image.h"
#include "core/regions.h"
#include "formats/fields.h"
#include "formats/keypadrequest.h"

namespace SpeedDial {

inline constexpr char UserTitle[] = "User Speed Dial Numbers";
inline constexpr char EmergencyTitle[] = "Emergency Speed Dial Numbers";
inline constexpr char GroupFrame[] = "Group";
inline constexpr std::array<const char*, Region::UserSpeedDialGroup> GroupOptions = {
    "00-09", "10-19", "20-29", "30-39", "40-49", "50-59", "60-69", "70-79", "80-89", "90-99"};
inline constexpr char IdentificationColumn[] = "Identification";
inline constexpr char NumberColumn[] = "Telephone Number";
inline constexpr char UserNumberHeading[] = "Telephone Number";
inline constexpr char EmergencyNumberHeading[] = "Emergency Number";

inline constexpr int RowsPerGroup = Region::UserSpeedDialGroup;
inline constexpr int EmergencyCount = Region::EmergencySpeedDialCount;
inline constexpr int NumberLimit = 11;  // keys a number takes on the keypad
inline constexpr int IdentificationWords = 8;
inline constexpr int IdentificationStart = 12;  // the word count byte inside a record
inline constexpr int IdentificationSize = 1 + 2 * IdentificationWords;

// User entry n (0..99); row a (0..9) of group g (0..9) is entry 10g + a.
constexpr int userOffset(int n) { return Region::UserSpeedDial + Region::SpeedDialRecord * n; }
constexpr int speedDialOffset(int group, int row) { return userOffset(RowsPerGroup * group + row); }
// Emergency entry k (0..4).
constexpr int emergencyOffset(int k) {
    return Region::EmergencySpeedDial + Region::SpeedDialRecord * k;
}
static_assert(userOffset(57) == 3008 && speedDialOffset(5, 7) == 3008);
static_assert(emergencyOffset(4) == 1268 && emergencyOffset(4) + 30 == Region::UserSpeedDial);

// The two fields of the record at `record`.
constexpr TelephoneNumberField numberField(int record) { return {record}; }
constexpr WordStringField identificationField(int record) {
    return {record + IdentificationStart, IdentificationSize};
}

// What a row shows. The identification is each word's text after one space (not trimmed); a
// count above eight shows the eight words that fit in the record.
struct EntryText {
    QString number;
    QString identification;
};
// A user entry shows its number and identification only for a digit count of 1..11.
EntryText userEntry(const Image& image, int n);
// An emergency entry shows nothing for a digit count of 0; for 12 and above an empty number but
// still its identification.
EntryText emergencyEntry(const Image& image, int k);
// What the printed listing shows of the record at `record` (user or emergency): the number
// whenever its digit count is 1..11, and every identification word the count byte claims, as
// stored: a count above eight reads on past the record, but never past the image.
EntryText printedEntry(const Image& image, int record);

KeypadRequest userNumberRequest(int n, const QString& shown);
KeypadRequest emergencyNumberRequest(int k, const QString& shown);

}  // namespace SpeedDial
