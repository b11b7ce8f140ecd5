#include "voice/voicemessages.h"

namespace VoiceMessages {

WordStringField messageField(int block, int message) {
    return {messageOffset(block, message), Region::Rel::VoiceRecord};
}

QString rowNumberText(int message) { return QLatin1Char(' ') + QString::number(message); }

QString messageText(const Image& image, int block, int message) {
    const WordStringField field = messageField(block, message);
    const int count = field.storedCount(image);
    if (count < 1 || count > WordLimit) return QString();
    return field.text(image);
}

void storeMessage(Image& image, int block, int message, const QStringList& words) {
    messageField(block, message).store(image, {true, words});
}

}  // namespace VoiceMessages
