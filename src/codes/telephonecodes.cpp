#include "codes/telephonecodes.h"

#include "formats/dtmfcodec.h"

namespace {
KeypadRequest threeDigitRequest(const char* heading, int number, const QString& shown) {
    return {KeySet::Digits, 3, QLatin1String(heading) + QLatin1Char(' ') + QString::number(number),
            shown, EntryCheck::ThreeDigits};
}
}  // namespace

namespace PreDial {
QString text(const Image& image) {
    return Dtmf::digitFieldText(image, Region::PreDialNumber, Limit);
}
void store(Image& image, const QString& text) {
    Dtmf::storeDigitField(image, Region::PreDialNumber, text, Dtmf::LengthRule::Characters);
}
KeypadRequest request(const QString& shown) {
    return {KeySet::Telephone, Limit, QLatin1String(Heading), shown, EntryCheck::None};
}
}  // namespace PreDial

namespace Unlock {
QString text(const Image& image) {
    return Dtmf::digitFieldText(image, Region::UnlockNumber, Limit);
}
void store(Image& image, const QString& text) {
    Dtmf::storeDigitField(image, Region::UnlockNumber, text, Dtmf::LengthRule::Fixed7);
}
KeypadRequest request(const QString& shown) {
    return {KeySet::Codes, Limit, QLatin1String(Heading), shown, EntryCheck::SevenDigits};
}
}  // namespace Unlock

namespace AreaCodes {
QString text(const Image& image, int i) { return Dtmf::threeDigitText(image, entryOffset(i)); }
void store(Image& image, const std::array<QString, Count>& fields) {
    int count = 0;
    for (int i = 0; i < Count; ++i) {
        Dtmf::storeThreeDigits(image, entryOffset(i), fields[i]);
        if (!fields[i].isEmpty()) ++count;
    }
    image[Region::AreaCodes] = static_cast<std::uint8_t>(count);
}
void storeEntry(Image& image, int i, const QString& answer) {
    std::array<QString, Count> fields;
    for (int k = 0; k < Count; ++k) fields[k] = k == i ? answer : text(image, k);
    store(image, fields);
}
KeypadRequest request(int i, const QString& shown) {
    return threeDigitRequest(Heading, i + 1, shown);
}
}  // namespace AreaCodes

namespace Prefixes {
QString text(const Image& image, int n) { return Dtmf::threeDigitText(image, entryOffset(n)); }
void storeGroup(Image& image, int group, const std::array<QString, PerGroup>& fields) {
    for (int line = 0; line < LinesPerGroup; ++line) {
        int count = 0;
        for (int place = 0; place < PerLine; ++place) {
            const QString& field = fields[PerLine * line + place];
            Dtmf::storeThreeDigits(image, lineOffset(group, line) + 1 + 3 * place, field);
            if (!field.isEmpty()) ++count;
        }
        image[lineOffset(group, line)] = static_cast<std::uint8_t>(count);
    }
}
void storeEntry(Image& image, int n, const QString& answer) {
    const auto storeShown = [&image](int group, int n, const QString& answer) {
        std::array<QString, PerGroup> fields;
        for (int c = 0; c < PerGroup; ++c) {
            const int prefix = PerGroup * group + c;
            fields[c] = prefix == n ? answer : text(image, prefix);
        }
        storeGroup(image, group, fields);
    };
    const int group = n / PerGroup;
    if (group != 0) storeShown(0, -1, QString());
    storeShown(group, n, answer);
}
KeypadRequest request(int n, const QString& shown) { return threeDigitRequest(Heading, n, shown); }
}  // namespace Prefixes
