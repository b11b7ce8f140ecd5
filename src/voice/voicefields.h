// The field table of the voice messages of a block.
#pragma once

#include "formats/fieldtable.h"

namespace VoiceFields {

// The key word of the voice messages' fields.
inline constexpr char Key[] = "voice";

// The twelve messages of block 0..4: "voice.BLOCK.message-01" .. Composed in the voice composer;
// the store takes the words it hands back.
Fields::FieldList messages(int block);

}  // namespace VoiceFields
