// The field table of the voice messages of a block.
#pragma once

#include "formats/fieldtable.h"

namespace VoiceFields {

// The twelve messages of block 0..4: "voice.BLOCK.message-01" .. Composed in the voice composer,
// whose words are stored with VoiceMessages::storeMessage; the shown text has no store.
Fields::FieldList messages(int block);

}  // namespace VoiceFields
