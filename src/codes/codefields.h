// The field tables of the codes and the telephone: the control codes of a block, the unlock and
// pre-dial numbers, the speed dials and the area-code and prefix tables.
//
// Every number and code is a keypad field whose answer is the keypad's text (the shown text is the
// keypad's starting text). A store takes only what the keypad can hand back for the field: keys of
// its key set within its limit (no two delays in a row), or the starting text unchanged, and only
// when the keypad's check on OK accepts it; anything else is refused and writes nothing. The
// unchanged starting text of a value the store cannot write back as it shows (an unlock code of
// length 0, a telephone number whose stored delays or keys it does not show) stands for what is
// stored: nothing is written. The speed-dial identifications are edited by the voice composer and
// have no store here.
#pragma once

#include "formats/fieldtable.h"

namespace CodeFields {

// The key words of the code areas: the first word of each of their fields' keys.
inline constexpr char UnlockKey[] = "unlock", PreDialKey[] = "pre-dial",
                      ControlCodesKey[] = "codes", SpeedDialKey[] = "speed-dial",
                      EmergencyKey[] = "emergency-speed-dial", AreaCodesKey[] = "area-codes",
                      PrefixesKey[] = "prefixes";

// "unlock.number": seven keys of the codes key set.
Fields::FieldList unlockNumber();
// "pre-dial.number": up to seven keys of the telephone key set.
Fields::FieldList preDialNumber();
// The fourteen control codes of block 0..4: "codes.BLOCK.control-operator-code" .. An answer
// rewrites the block's whole code table.
Fields::FieldList controlCodes(int block);
// The user speed dials and the emergency ones, number and identification: "speed-dial.00.number"
// .. "speed-dial.99.identification", "emergency-speed-dial.0.number" ... A number's answer writes
// the number part of its record; the identification stays.
Fields::FieldList userSpeedDials();
Fields::FieldList emergencySpeedDials();
// The fields of a speed dial's record, in table order.
enum SpeedDialField { DialNumber, DialIdentification };
// The area codes and the prefixes (three memory saves only): "area-codes.01" .., "prefixes.00"
// .. "prefixes.99". An area code's answer rewrites the whole area-code table, a prefix's the four
// lines of its group.
Fields::FieldList areaCodes();
Fields::FieldList prefixes();

}  // namespace CodeFields
