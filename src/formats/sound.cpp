#include "formats/sound.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "formats/cwcode.h"

namespace Sound {

namespace {

constexpr double Amplitude = 0.6 * 32767;

// The Morse of each CW character code, in the pick list's order.
// clang-format off
constexpr const char* MorseCodes[] = {
    "-----", ".----", "..---", "...--", "....-", ".....", "-....", "--...", "---..", "----.",
    ".-", "-...", "-.-.", "-..", ".", "..-.", "--.", "....", "..", ".---", "-.-", ".-..", "--",
    "-.", "---", ".--.", "--.-", ".-.", "...", "-", "..-", "...-", ".--", "-..-", "-.--", "--..",
    "-..-.",   // /
    ".-.-.",   // (AR)
    "",        // the word space
    ".-.-.-",  // .
    "-.-.-.",  // ;
    "--..--",  // ,
    "---...",  // :
    "..--..",  // ?
    "-....-",  // -
    "-.--.",   // (
    "...-.-",  // (SK)
};
// clang-format on
static_assert(std::size(MorseCodes) == Cw::Characters.size());
constexpr std::uint8_t WordSpace = 38;

}  // namespace

bool isPlayable(const Steps& steps) {
    return std::any_of(steps.begin(), steps.end(),
                       [](const Step& step) { return step.hertz > 0 && step.ms > 0; });
}

const char* morse(std::uint8_t code) {
    return code < std::size(MorseCodes) ? MorseCodes[code] : "";
}

Steps cwMessage(const std::vector<std::uint8_t>& codes, const Keying& keying) {
    const double unit = 1200.0 / keying.wpm;
    Steps steps;
    int gap = 0;  // units of silence owed before the next element
    for (const std::uint8_t code : codes) {
        if (code == WordSpace) {
            if (!steps.empty()) gap = 7;
            continue;
        }
        const char* elements = morse(code);
        if (!*elements) continue;  // no character the controller knows
        for (const char* e = elements; *e; ++e) {
            if (gap > 0) steps.push_back({0, gap * unit});
            steps.push_back({keying.pitch, (*e == '-' ? 3 : 1) * unit});
            gap = 1;
        }
        gap = 3;
    }
    return steps;
}

Samples render(const Steps& steps) {
    Samples out;
    double written = 0;  // ms placed so far, so rounding never adds up over many steps
    for (const Step& step : steps) {
        const auto first = std::size_t(std::llround(written * SampleRate / 1000.0));
        written += step.ms;
        const auto end = std::size_t(std::llround(written * SampleRate / 1000.0));
        out.resize(end, 0);
        if (step.hertz <= 0) continue;
        const std::size_t length = end - first;
        const double ramp = std::min(RampMs * SampleRate / 1000.0, length / 2.0);
        for (std::size_t i = 0; i < length; ++i) {
            double gain = 1;
            const double fromEdge = std::min<double>(i, length - 1 - i);
            if (fromEdge < ramp) gain = 0.5 - 0.5 * std::cos(std::numbers::pi * fromEdge / ramp);
            const double phase = 2 * std::numbers::pi * step.hertz * double(i) / SampleRate;
            out[first + i] = std::int16_t(std::lround(Amplitude * gain * std::sin(phase)));
        }
    }
    return out;
}

QByteArray pcm(const Samples& samples) {
    QByteArray out(qsizetype(samples.size() * 2), '\0');
    for (std::size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian(quint16(samples[i]), out.data() + 2 * i);
    return out;
}

QByteArray wav(const Samples& samples) {
    const auto le32 = [](QByteArray& out, quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    const auto le16 = [](QByteArray& out, quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    le32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    le32(out, 16);          // the format chunk's size
    le16(out, 1);           // PCM
    le16(out, 1);           // mono
    le32(out, SampleRate);  // samples per second
    le32(out, SampleRate * 2);
    le16(out, 2);   // bytes per sample frame
    le16(out, 16);  // bits per sample
    out.append("data");
    le32(out, dataBytes);
    for (const std::int16_t s : samples) le16(out, quint16(s));
    return out;
}

}  // namespace Sound
