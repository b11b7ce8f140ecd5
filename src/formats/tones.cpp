#include "formats/tones.h"

#include <algorithm>

namespace Tones {

namespace {
template <std::size_t N>
int indexOf(const std::array<const char*, N>& texts, const QString& text) {
    for (std::size_t i = 0; i < N; ++i)
        if (text == QLatin1String(texts[i])) return static_cast<int>(i);
    return -1;
}
template <std::size_t N>
QString textAt(const std::array<const char*, N>& texts, int index) {
    return index >= 0 && index < int(N) ? QString::fromLatin1(texts[index]) : QString();
}
// A code digit text "0".."9" as its value, -1 for anything else.
int codeDigit(const QString& code) {
    return code.size() == 1 && code.at(0).isDigit() ? code.at(0).digitValue() : -1;
}
QString codeText(int index) { return index < 0 ? QString() : QString::number(index); }
}  // namespace

QString frequencyText(std::uint8_t byte) { return textAt(FrequencyTexts, byte); }
QString timeText(std::uint8_t byte) { return textAt(TimeTexts, byte); }

QString frequencyCode(const QString& hertz) { return codeText(indexOf(FrequencyTexts, hertz)); }
QString frequencyFromCode(const QString& code) { return textAt(FrequencyTexts, codeDigit(code)); }
QString timeCode(const QString& milliseconds) { return codeText(indexOf(TimeTexts, milliseconds)); }
QString timeFromCode(const QString& code) { return textAt(TimeTexts, codeDigit(code)); }

std::uint8_t frequencyByte(const QString& hertz) {
    return static_cast<std::uint8_t>(std::max(indexOf(FrequencyTexts, hertz), 0));
}
std::uint8_t timeByte(const QString& milliseconds) {
    return static_cast<std::uint8_t>(std::max(indexOf(TimeTexts, milliseconds), 0));
}

}  // namespace Tones
