// The configuration as sound, without a sound device: steps of tone and silence (a courtesy tone,
// the CW identification in Morse) rendered to 16-bit mono samples, and the WAV file form of those
// samples.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "core/settings.h"

namespace Sound {

inline constexpr int SampleRate = 22050;
// Every burst rises and falls over this long (a raised cosine) inside its stated length, so it
// starts and ends without a click.
inline constexpr double RampMs = 3.0;

// One step of a sound: a sine burst of `hertz` for `ms`, or silence when `hertz` is 0.
struct Step {
    double hertz = 0;
    double ms = 0;

    bool operator==(const Step&) const = default;
};
using Steps = std::vector<Step>;
using Samples = std::vector<std::int16_t>;

// Whether the steps make any sound to play.
bool isPlayable(const Steps& steps);

// The CW keying: speed in words per minute by the PARIS standard (a dot lasts 1200 / wpm ms)
// and the pitch of the tone.
struct Keying {
    int wpm = SettingKeys::DefaultCwWpm;
    double pitch = SettingKeys::DefaultCwPitch;
};

// The Morse code of a CW character code ("." dot, "-" dash), empty for the word space and for
// codes the controller does not know (above 46).
const char* morse(std::uint8_t code);
// A CW message in Morse with standard timing: dot 1 unit, dash 3, gap inside a character 1,
// between characters 3; a word space makes the gap between its neighbours 7 units in all. Codes
// above 46 play nothing.
Steps cwMessage(const std::vector<std::uint8_t>& codes, const Keying& keying);

// The samples of the steps, one after another.
Samples render(const Steps& steps);
// A WAV file (RIFF, PCM, 16-bit, mono, SampleRate) holding the samples.
QByteArray wav(const Samples& samples);
// The bare samples, little-endian, as a sound output takes them.
QByteArray pcm(const Samples& samples);

}  // namespace Sound
