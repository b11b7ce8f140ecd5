#include "formats/cwcode.h"

#include <algorithm>
#include <cstring>

QString cwCharText(std::uint8_t code) {
    return code < Cw::Characters.size() ? QString::fromLatin1(Cw::Characters[code]) : QString();
}

std::vector<std::uint8_t> cwStoredCodes(const Image& image) {
    const int count = image[Cw::MessageOffset];
    const int end = std::min(Cw::MessageOffset + 1 + count, ImageSize);
    return {image.begin() + Cw::MessageOffset + 1, image.begin() + end};
}

QString cwMessageText(const Image& image) {
    const std::vector<std::uint8_t> codes = cwStoredCodes(image);
    if (codes.empty()) return QLatin1String(Cw::EmptyMessage);
    QString text;
    for (const std::uint8_t code : codes) text += cwCharText(code);
    return text;
}

std::optional<std::vector<std::uint8_t>> cwCodes(const QString& text) {
    std::vector<std::uint8_t> codes;
    if (text == QLatin1String(Cw::EmptyMessage)) return codes;
    for (qsizetype at = 0; at < text.size();) {
        // The longest character that the text continues with: a prosign before its "(".
        int found = -1;
        for (int code = 0; code < int(Cw::Characters.size()); ++code) {
            const QLatin1String character(Cw::Characters[code]);
            if (QStringView(text).sliced(at).startsWith(character) &&
                (found < 0 || character.size() > qsizetype(strlen(Cw::Characters[found]))))
                found = code;
        }
        if (found < 0 || int(codes.size()) == Cw::MaxCharacters) return std::nullopt;
        codes.push_back(static_cast<std::uint8_t>(found));
        at += qsizetype(strlen(Cw::Characters[found]));
    }
    return codes;
}

void storeCwMessage(Image& image, const std::vector<std::uint8_t>& codes) {
    image[Cw::MessageOffset] = static_cast<std::uint8_t>(codes.size());
    std::copy(codes.begin(), codes.end(), image.begin() + Cw::MessageOffset + 1);
}
