#include "formats/dtmfcodec.h"

#include <algorithm>

namespace Dtmf {

namespace {

// Key character of each DTMF key code: the controller numbers "D" as 0 and "0" as 10.
constexpr char KeyTable[16] = {'D', '1', '2', '3', '4', '5', '6', '7',
                               '8', '9', '0', '*', '#', 'A', 'B', 'C'};

}  // namespace

std::uint8_t encodeKey(QChar key) {
    for (int code = 1; code < 16; ++code) {
        if (key == QLatin1Char(KeyTable[code])) return static_cast<std::uint8_t>(code);
    }
    return 0;
}

std::uint8_t encodeKey(const QString& key) { return key.size() == 1 ? encodeKey(key.at(0)) : 0; }

QChar keyChar(int code) { return QLatin1Char(KeyTable[code & 0x0F]); }

QString digitFieldText(const Image& image, int offset, int maxKeys) {
    if (!inImage(offset, DigitFieldSize)) return {};
    const int count = std::min<int>({image[offset], maxKeys, DigitFieldKeys});
    QString text;
    for (int i = 1; i <= count; ++i) text += keyChar(image[offset + i]);
    return text;
}

void storeDigitField(Image& image, int offset, const QString& text, LengthRule rule) {
    if (!inImage(offset, DigitFieldSize)) return;
    // Only seven keys fit in the field; the length byte never claims more than are stored.
    const int keys = std::min<int>(text.size(), DigitFieldKeys);
    image[offset] = static_cast<std::uint8_t>(rule == LengthRule::Fixed7 ? 7 : keys);
    for (int i = 0; i < DigitFieldKeys; ++i)
        image[offset + 1 + i] = i < keys ? encodeKey(text.at(i)) : 0;
}

void storeTelephoneNumber(Image& image, int offset, const QString& text) {
    if (!inImage(offset, TelNumSize)) return;
    std::fill_n(image.begin() + offset, TelNumSize, 0);
    int slot = 1;
    int delay = 0;
    for (const QChar c : text) {
        if (c == DelayMark) {
            // The high nibble only says "a delay comes first"; it must not carry into the next
            // byte.
            delay = std::min(delay + 0x10, 0xF0);
            continue;
        }
        // Eleven digit slots; further keys would run into the record's identification.
        if (slot > TelNumDigits) break;
        image[offset + slot] = static_cast<std::uint8_t>(encodeKey(c) | delay);
        delay = 0;
        ++slot;
    }
    image[offset] = static_cast<std::uint8_t>(slot - 1);
}

QString telephoneNumberText(const Image& image, int offset) {
    if (!inImage(offset, TelNumSize)) return {};
    const int count = image[offset];
    if (count > TelNumDigits) return {};
    QString text;
    for (int i = 1; i <= count; ++i) {
        const int b = image[offset + i];
        if (b > 15) text += DelayMark;
        const int code = b & 0x0F;
        // A telephone number stores no "D": code 0 is dialled as the digit 0, like code 10.
        if (code <= 9)
            text += QLatin1Char(static_cast<char>('0' + code));
        else if (code <= 12)
            text += keyChar(code);
    }
    return text;
}

QString threeDigitText(const Image& image, int offset) {
    if (!inImage(offset, ThreeDigitSize) || image[offset] == 0) return {};
    QString text;
    for (int i = 0; i < ThreeDigitSize; ++i) {
        const int b = image[offset + i];
        text += b > 9 ? QLatin1Char('0') : QLatin1Char(static_cast<char>('0' + b));
    }
    return text;
}

void storeThreeDigits(Image& image, int offset, const QString& text) {
    if (!inImage(offset, ThreeDigitSize)) return;
    for (int i = 0; i < ThreeDigitSize; ++i)
        image[offset + i] = i < text.size() ? encodeKey(text.at(i)) : 0;
}

std::uint8_t packDigitPair(const QString& pair) {
    auto digit = [&pair](int i) -> int {
        const int code = i < pair.size() ? encodeKey(pair.at(i)) : 0;
        return code > 9 ? 0 : code;
    };
    return static_cast<std::uint8_t>(digit(0) * 16 + digit(1));
}

}  // namespace Dtmf
