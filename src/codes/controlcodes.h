// The fourteen control codes of a block: their captions, the keypad headings, the keypad entry
// of each code, what a code shows and how a keypad answer is stored.
#pragma once

#include <QString>

#include "core/image.h"
#include "core/regions.h"
#include "formats/blocks.h"
#include "formats/dtmfcodec.h"
#include "formats/keypadrequest.h"

namespace Codes {

struct CodeRow {
    const char* label;    // caption beside the value field
    const char* heading;  // keypad heading while the code is edited
    const char* key;      // the code's key word: "control-operator-code"
};

inline constexpr CodeRow Rows[Region::Rel::CodeCount] = {
    {"Control Operator Code", "Control Op Prefix", "control-operator-code"},
    {"Time Request Prefix", "Time Request Number", "time-request-prefix"},
    {"Memory Recall Prefix", "Memory Recall Number", "memory-recall-prefix"},
    {"DTMF Access Number", "DTMF Access Number", "dtmf-access-number"},
    {"DTMF Pad Test Number", "DTMF Pad Test", "dtmf-pad-test-number"},
    {"User Function Switch Number", "User Function Switch", "user-function-switch-number"},
    {"Autopatch Access Number", "Autopatch Access", "autopatch-access-number"},
    {"Autopatch Disconnect Number", "Autopatch Disconnect", "autopatch-disconnect-number"},
    {"User Speed Dial Prefix Number", "User Speed Dial", "user-speed-dial-prefix-number"},
    {"Emergency Speed Dial Prefix", "Emergency Speed Dial", "emergency-speed-dial-prefix"},
    {"Voice Demonstration Control Number", "Voice Demo Number",
     "voice-demonstration-control-number"},
    {"Reverse Autopatch Access Number", "Reverse Autopatch Number",
     "reverse-autopatch-access-number"},
    {"DVR Control Number", "DVR Control Number", "dvr-control-number"},
    {"Expanded User Function Switch", "Expanded User Function", "expanded-user-function-switch"},
};

// Rows per column of the dialog: codes 0..6 on the left, 7..13 on the right.
inline constexpr int RowsPerColumn = 7;

// A code holds up to seven keys of the codes key set.
inline constexpr int CodeKeyLimit = 7;

// Offset of code k (0..13) of a block.
constexpr int codeOffset(int block, int k) {
    return Region::codesStart(block) + Region::Rel::CodeField * k;
}

inline const char* codeHeading(int k) { return Rows[k].heading; }

// The keypad entry of code k (0..13), starting from the text the code's field shows.
inline KeypadRequest codeRequest(int k, const QString& initial) {
    return {KeySet::Codes, CodeKeyLimit, QString::fromLatin1(codeHeading(k)), initial,
            EntryCheck::None};
}

// What code k (0..13) of a block shows: its keys, at most seven whatever the length byte holds.
inline QString codeText(const Image& image, int block, int k) {
    return Dtmf::digitFieldText(image, codeOffset(block, k), CodeKeyLimit);
}

// Stores a keypad answer for code k (0..13) of a block: every code of the block is rewritten, code
// k from the answer and the others from the text they show, each with its length byte counting its
// keys and the code bytes past them 0. One answer so writes the block's whole code table, and a
// code stored in a form it cannot show (a length above seven, upper nibbles set) is made the form
// it shows.
inline void storeCode(Image& image, int block, int k, const QString& answer) {
    QString texts[Region::Rel::CodeCount];
    for (int j = 0; j < Region::Rel::CodeCount; ++j)
        texts[j] = j == k ? answer : codeText(image, block, j);
    for (int j = 0; j < Region::Rel::CodeCount; ++j)
        Dtmf::storeDigitField(image, codeOffset(block, j), texts[j], Dtmf::LengthRule::Characters);
}

static_assert(codeOffset(3, 0) == 6216 && codeOffset(3, 13) + Region::Rel::CodeField == 6328);

}  // namespace Codes
