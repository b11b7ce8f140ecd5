// The field tables of the devices: the timers and zones of a block, the courtesy tones, the CW
// message, the expanded switches and the user inputs, in the order their dialogs show them.
#pragma once

#include "formats/fieldtable.h"

namespace DeviceFields {

// The key words of the device areas: the first word of each of their fields' keys.
inline constexpr char TimersKey[] = "timers", ZonesKey[] = "zones",
                      CourtesyTonesKey[] = "courtesy-tones", CwKey[] = "cw",
                      ExpandedSwitchesKey[] = "expanded-switches", UserInputsKey[] = "user-inputs";

// The sixteen timers of block 0..4: "timers.BLOCK.repeater-time-out" ..
Fields::FieldList timers(int block);
// The sixty-four zone flags of block 0..4: "zones.BLOCK.zone-1.flag-1" ..
Fields::FieldList zones(int block);
// The courtesy tone grid: "courtesy-tones.1.tone-1-hertz" ..
Fields::FieldList courtesyTones();
// "cw.message".
Fields::FieldList cwMessage();
// Every switch bit of both banks: "expanded-switches.1.bit-1" ..
Fields::FieldList expandedSwitches();
// The two hardware inputs, command and review: "user-inputs.input-1.command" ..
Fields::FieldList userInputs();
// The fields of an input's record, in table order.
enum UserInputField { InputCommand, InputReview };

}  // namespace DeviceFields
