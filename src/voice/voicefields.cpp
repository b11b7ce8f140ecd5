#include "voice/voicefields.h"

#include "voice/voicemessages.h"

namespace VoiceFields {

// A message is recomposed in the voice composer, which hands back the chosen words' numbers; the
// store takes them, as Fields::wordsAnswer spells them. The shown text gives no answer of its own:
// a word the vocabulary lacks shows nothing, and display texts hold spaces.
Fields::FieldList messages(int block) {
    using namespace VoiceMessages;
    Fields::FieldList list;
    for (int m = 1; m <= Count; ++m) {
        // The count byte and the words a record holds; the byte behind them is never read or
        // written.
        const Fields::ByteRanges words = {
            {messageOffset(block, m), 1 + Vocabulary::StoredWordSize * WordLimit}};
        Fields::Field field;
        field.key =
            QLatin1String(Key) +
            QStringLiteral(".%1.message-%2").arg(Fields::blockKey(block), Fields::twoDigits(m));
        field.caption = rowNumberText(m);
        field.edit = Fields::Edit::Composer;
        field.text = [block, m](const Image& image) { return messageText(image, block, m); };
        // Shown for a count of 1..23 only, as the dialog shows it.
        field.written = [block, m](const Image& image) {
            const WordStringField words = messageField(block, m);
            const int count = words.storedCount(image);
            return count < 1 || count > WordLimit ? QString()
                                                  : Fields::writtenWords(words.numbers(image));
        };
        field.reads = Fields::fixedRanges(words);
        field.writes = words;
        field.compose = [block, m](const Image& image) {
            return ComposeRequest{WordLimit, m, messageText(image, block, m).trimmed()};
        };
        field.store = [block, m](Image& image, const QString& answer) {
            return Fields::storeWords(image, messageField(block, m), WordLimit, answer);
        };
        field.refusalTitle = field.caption;
        field.refusal = Fields::wordsRefusal(WordLimit);
        list.push_back(std::move(field));
    }
    return list;
}

}  // namespace VoiceFields
