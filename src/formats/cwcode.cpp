#include "formats/cwcode.h"

#include <algorithm>

QString cwCharText(std::uint8_t code) {
    return code < Cw::Characters.size() ? QString::fromLatin1(Cw::Characters[code]) : QString();
}

QString cwMessageText(const Image& image) {
    const int count = image[Cw::MessageOffset];
    if (count == 0) return QLatin1String(Cw::EmptyMessage);
    const int end = std::min(Cw::MessageOffset + 1 + count, ImageSize);
    QString text;
    for (int at = Cw::MessageOffset + 1; at < end; ++at) text += cwCharText(image[at]);
    return text;
}
