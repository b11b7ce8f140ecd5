// Voice messages: every message of every block as the voice dialog shows it, and the word strings
// of the records read untrimmed and with the count as stored.
#include "fuzzimage.h"
#include "voice/voicemessages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Image image = fuzzImage(data, size);
    for (int block = 0; block < Region::BlockCount; ++block) {
        for (int m = 1; m <= VoiceMessages::Count; ++m) {
            consume(VoiceMessages::messageText(image, block, m));
            const WordStringField field = VoiceMessages::messageField(block, m);
            consume(field.text(image, false));
            FUZZ_CHECK(field.storedCount(image) == image[field.offset]);
        }
    }
    // A word string may start anywhere and claim any count: the decoder must stay in the span.
    const std::size_t start = size > 2 ? (data[0] | data[1] << 8) % ImageSize : 0;
    consume(Vocabulary::wordStringText(std::span(image).subspan(start), false));
    return 0;
}
