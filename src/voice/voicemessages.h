// The twelve voice messages of a block: where each record lies, how it reads as text, and how a
// composed message is stored.
#pragma once

#include <QString>
#include <QStringList>

#include "core/image.h"
#include "core/regions.h"
#include "formats/fields.h"
#include "formats/vocabulary.h"

namespace VoiceMessages {

inline constexpr int Count = Region::Rel::VoiceCount;
// Words a 48-byte record holds after its count byte.
inline constexpr int WordLimit = Vocabulary::wordStringCapacity(Region::Rel::VoiceRecord);

// Image offset of message m (1..12) of a block (0 = Base, 1..4 = memory save #1..#4).
constexpr int messageOffset(int block, int message) {
    return Region::voiceStart(block) + Region::Rel::VoiceRecord * (message - 1);
}

static_assert(WordLimit == 23);
static_assert(messageOffset(0, 12) == 746 && messageOffset(1, 1) == 4786);
static_assert(messageOffset(4, 12) + Region::Rel::VoiceRecord <= ImageSize);

// The record of message m (1..12) of a block as a word-string field.
WordStringField messageField(int block, int message);

// Row number as the dialog shows it, with one leading space (" 1" .. " 12").
QString rowNumberText(int message);

// The text of message m: its words' display texts when the count is 1..23, else empty (a count of
// 0 is an empty message; 24 and more is not a message, e.g. an erased record of 0xFF).
QString messageText(const Image& image, int block, int message);

// Stores a composed message: the count and the words only; the rest of the record keeps its bytes.
void storeMessage(Image& image, int block, int message, const QStringList& words);

}  // namespace VoiceMessages
