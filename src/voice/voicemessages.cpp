#include "voice/voicemessages.h"

#include <span>

namespace VoiceMessages {

namespace {
std::span<std::uint8_t, Region::Rel::VoiceRecord> record(Image& image, int block, int message) {
    return std::span<std::uint8_t, Region::Rel::VoiceRecord>(
        image.data() + messageOffset(block, message), Region::Rel::VoiceRecord);
}
}  // namespace

QString rowNumberText(int message) { return QLatin1Char(' ') + QString::number(message); }

QString messageText(const Image& image, int block, int message) {
    const std::span<const std::uint8_t> words(image.data() + messageOffset(block, message),
                                              Region::Rel::VoiceRecord);
    const int count = words[0];
    if (count < 1 || count > WordLimit) return QString();
    return Vocabulary::wordStringText(words);
}

void storeMessage(Image& image, int block, int message, const QStringList& words) {
    Vocabulary::storeWordString(record(image, block, message), words);
}

}  // namespace VoiceMessages
