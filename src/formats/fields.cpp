#include "formats/fields.h"

#include <algorithm>

#include "formats/commands.h"
#include "formats/dtmfcodec.h"
#include "formats/vocabulary.h"

int WordStringField::capacity() const { return Vocabulary::wordStringCapacity(size); }

std::span<const std::uint8_t> WordStringField::bytes(const Image& image) const {
    return {image.data() + std::clamp(offset, 0, ImageSize),
            static_cast<std::size_t>(bytesInImage(offset, size))};
}

int WordStringField::storedCount(const Image& image) const {
    const auto field = bytes(image);
    return field.empty() ? 0 : field[0];
}

QString WordStringField::text(const Image& image, bool trimmed) const {
    return Vocabulary::wordStringText(bytes(image), trimmed);
}

QStringList WordStringField::numbers(const Image& image) const {
    const auto field = bytes(image);
    QStringList words;
    if (field.empty()) return words;
    const int count =
        std::min<int>(field[0], Vocabulary::wordStringCapacity(static_cast<int>(field.size())));
    for (int k = 0; k < count; ++k) {
        // A bank above 9 or an index above 99 is no three-digit word number.
        const int bank = field[1 + 2 * k] & 0x0F, index = field[2 + 2 * k];
        words << (bank <= 9 && index <= 99 ? Vocabulary::wordNumberText(bank * 100 + index)
                                           : QString());
    }
    return words;
}

bool WordStringField::store(Image& image, const Composed& composed) const {
    if (!composed.newWords) return false;
    const int usable = bytesInImage(offset, size);
    if (usable == 0) return false;
    Vocabulary::storeWordString(std::span<std::uint8_t>(image.data() + offset, usable),
                                composed.words);
    return true;
}

int TelephoneNumberField::digitCount(const Image& image) const {
    return bytesInImage(offset, 1) ? image[offset] : 0;
}

QString TelephoneNumberField::text(const Image& image) const {
    return Dtmf::telephoneNumberText(image, offset);
}

void TelephoneNumberField::store(Image& image, const QString& text) const {
    Dtmf::storeTelephoneNumber(image, offset, text);
}

QString CommandField::digits(const Image& image) const {
    return bytesInImage(offset, 2) == 2 ? commandDigits(image[offset], image[offset + 1])
                                        : QString();
}

QString CommandField::reviewText(const Image& image) const {
    return bytesInImage(offset, 2) == 2 ? commandText(image[offset], image[offset + 1]) : QString();
}

void CommandField::store(Image& image, const QString& digits) const {
    if (bytesInImage(offset, 2) < 2) return;
    // The first two and the last two characters, so a shown "B12" (0x0B 0x12) is read back as
    // "B1" and "12", not "B1" and "2".
    image[offset] = Dtmf::packDigitPair(digits.left(2));
    image[offset + 1] = Dtmf::packDigitPair(digits.right(2));
}
