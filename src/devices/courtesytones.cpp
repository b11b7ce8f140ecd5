#include "devices/courtesytones.h"

#include <algorithm>

#include "formats/tones.h"

namespace CourtesyTones {

namespace {
bool isFrequency(int field) { return Fields[field].kind == FieldKind::Frequency; }
}  // namespace

std::array<QString, FieldCount> rowTexts(const Image& image, int row) {
    std::array<QString, FieldCount> texts;
    const int p = toneOffset(row);
    if (image[p] == 0) return texts;
    for (int f = 0; f < FieldCount; ++f)
        texts[f] =
            isFrequency(f) ? Tones::frequencyText(image[p + f]) : Tones::timeText(image[p + f]);
    return texts;
}

QString keypadText(int field, const QString& shown) {
    return isFrequency(field) ? Tones::frequencyCode(shown) : Tones::timeCode(shown);
}

KeypadRequest request(int field, const QString& shown) {
    return {KeySet::Digits, 1, QLatin1String(Fields[field].heading), keypadText(field, shown),
            isFrequency(field) ? EntryCheck::OneDigit : EntryCheck::ToneDelay};
}

QString shownAfter(int field, const QString& code) {
    return isFrequency(field) ? Tones::frequencyFromCode(code) : Tones::timeFromCode(code);
}

void store(Image& image, int row, int field, const QString& shown) {
    image[toneOffset(row) + field] =
        isFrequency(field) ? Tones::frequencyByte(shown) : Tones::timeByte(shown);
}

void storeAnswer(Image& image, int row, int field, const QString& code) {
    store(image, row, field, shownAfter(field, code));
}

void erase(Image& image, int row) {
    std::fill_n(image.begin() + toneOffset(row), Region::CourtesyToneRecord, 0);
}

Sound::Steps sound(const Image& image, int row) {
    const int at = toneOffset(row);
    Sound::Steps steps;
    if (image[at] == 0) return steps;  // a blank row
    // A field the grid shows empty is a step the controller cannot play.
    const auto hertz = [&](int field) { return Tones::frequencyText(image[at + field]); };
    const auto ms = [&](int field) { return Tones::timeText(image[at + field]); };
    const auto tone = [&](int field) {
        if (!hertz(field).isEmpty() && !ms(field + 1).isEmpty())
            steps.push_back({hertz(field).toDouble(), ms(field + 1).toDouble()});
    };
    const auto pause = [&](int field) {
        if (!ms(field).isEmpty()) steps.push_back({0, ms(field).toDouble()});
    };
    tone(0);
    pause(2);
    tone(3);
    pause(5);
    tone(6);
    return steps;
}

}  // namespace CourtesyTones
