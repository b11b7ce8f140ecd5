// The fourteen control codes of a block: their captions, the keypad headings, and the dialog
// title of each block.
#pragma once

#include "core/regions.h"
#include "formats/blocks.h"

namespace Codes {

struct CodeRow {
    const char* label;    // caption beside the value field
    const char* heading;  // keypad heading while the code is edited
};

inline constexpr CodeRow Rows[Region::Rel::CodeCount] = {
    {"Control Operator Code", "Control Op Prefix"},
    {"Time Request Prefix", "Time Request Number"},
    {"Memory Recall Prefix", "Memory Recall Number"},
    {"DTMF Access Number", "DTMF Access Number"},
    {"DTMF Pad Test Number", "DTMF Pad Test"},
    {"User Function Switch Number", "User Function Switch"},
    {"Autopatch Access Number", "Autopatch Access"},
    {"Autopatch Disconnect Number", "Autopatch Disconnect"},
    {"User Speed Dial Prefix Number", "User Speed Dial"},
    {"Emergency Speed Dial Prefix", "Emergency Speed Dial"},
    {"Voice Demonstration Control Number", "Voice Demo Number"},
    {"Reverse Autopatch Access Number", "Reverse Autopatch Number"},
    {"DVR Control Number", "DVR Control Number"},
    {"Expanded User Function Switch", "Expanded User Function"},
};

// Rows per column of the dialog: codes 0..6 on the left, 7..13 on the right.
inline constexpr int RowsPerColumn = 7;

// Offset of code k (0..13) of a block.
constexpr int codeOffset(int block, int k) {
    return Region::codesStart(block) + Region::Rel::CodeField * k;
}

inline const char* codeHeading(int k) { return Rows[k].heading; }

static_assert(codeOffset(3, 0) == 6216 && codeOffset(3, 13) + Region::Rel::CodeField == 6328);

}  // namespace Codes
