// Courtesy tones and the CW identification as sound, checked on the rendered samples: each burst's
// pitch and length, each pause, and Morse that decodes back to its message.
#include <gtest/gtest.h>

#include <QtEndian>
#include <cmath>
#include <map>
#include <numbers>
#include <string>

#include "devices/courtesytones.h"
#include "formats/cwcode.h"
#include "formats/sound.h"

namespace {

using Sound::SampleRate;

// Power of `hertz` in the samples (the Goertzel filter).
double power(const Sound::Samples& s, std::size_t from, std::size_t to, double hertz) {
    const double k = 2 * std::cos(2 * std::numbers::pi * hertz / SampleRate);
    double a = 0, b = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double c = s[i] + k * a - b;
        b = a;
        a = c;
    }
    return a * a + b * b - k * a * b;
}

// The strongest frequency of a stretch, to the hertz, between 200 and 2000 Hz.
double peak(const Sound::Samples& s, std::size_t from, std::size_t to) {
    double best = 0, bestPower = -1;
    for (double f = 200; f <= 2000; f += 1) {
        const double p = power(s, from, to, f);
        if (p > bestPower) {
            bestPower = p;
            best = f;
        }
    }
    return best;
}

// Stretches of sound and of silence, in samples, judged over 1 ms windows (a sine passes through
// zero, its envelope does not).
struct Stretch {
    bool sound;
    std::size_t from, length;
};
std::vector<Stretch> runs(const Sound::Samples& s) {
    const std::size_t window = SampleRate / 1000;
    std::vector<bool> on(s.size(), false);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t lo = i >= window / 2 ? i - window / 2 : 0;
        const std::size_t hi = std::min(s.size(), i + window / 2 + 1);
        for (std::size_t j = lo; j < hi && !on[i]; ++j) on[i] = std::abs(s[j]) > 300;
    }
    std::vector<Stretch> out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (out.empty() || out.back().sound != on[i]) out.push_back({bool(on[i]), i, 0});
        ++out.back().length;
    }
    return out;
}

double ms(std::size_t samples) { return samples * 1000.0 / SampleRate; }

Image withTone(int row, std::array<std::uint8_t, 8> bytes) {
    Image image{};
    std::copy(bytes.begin(), bytes.end(), image.begin() + CourtesyTones::toneOffset(row - 1));
    return image;
}

}  // namespace

TEST(CourtesyToneSound, StepsFollowTheStoredCodes) {
    using Steps = Sound::Steps;
    const struct {
        std::array<std::uint8_t, 8> bytes;
        Steps steps;
    } cases[] = {
        // 1000 Hz 50 ms, 50 ms, 800 Hz 50 ms, 50 ms, 600 Hz 50 ms
        {{8, 1, 1, 6, 1, 1, 4, 1}, {{1000, 50}, {0, 50}, {800, 50}, {0, 50}, {600, 50}}},
        // frequency code 0: silence of the tone's length; length 0: a step of no length
        {{1, 9, 0, 0, 2, 0, 3, 0}, {{300, 450}, {0, 0}, {0, 100}, {0, 0}, {500, 0}}},
        // fields the controller cannot use play nothing for their step
        {{2, 3, 12, 9, 1, 1, 7, 10}, {{400, 150}, {0, 50}}},
        // a blank row: no sound at all, whatever its other bytes hold
        {{0, 3, 3, 5, 3, 3, 5, 3}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CourtesyTones::sound(withTone(5, c.bytes), 4), c.steps);
        EXPECT_EQ(Sound::isPlayable(c.steps),
                  !c.steps.empty() && c.steps[0].ms > 0 && c.steps[0].hertz > 0);
    }
}

TEST(CourtesyToneSound, EachBurstHasItsPitchAndLengthAndRisesWithoutAClick) {
    const Sound::Samples s =
        Sound::render(CourtesyTones::sound(withTone(2, {8, 2, 1, 6, 3, 2, 1, 1}), 1));
    // 1000 Hz 100 ms, 50 ms, 800 Hz 150 ms, 100 ms, 300 Hz 50 ms
    ASSERT_NEAR(ms(s.size()), 450, 0.05);
    const std::vector<Stretch> found = runs(s);
    const struct {
        bool sound;
        double hertz, ms;
    } expected[] = {
        {true, 1000, 100}, {false, 0, 50}, {true, 800, 150}, {false, 0, 100}, {true, 300, 50}};
    ASSERT_EQ(found.size(), std::size(expected));
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].sound, expected[i].sound) << i;
        EXPECT_NEAR(ms(found[i].length), expected[i].ms, 1.0) << i;
        if (!expected[i].sound) continue;
        EXPECT_NEAR(peak(s, found[i].from, found[i].from + found[i].length), expected[i].hertz,
                    expected[i].hertz * 0.01)
            << i;
        // A burst rises and falls over its first and last milliseconds instead of starting and
        // stopping at full strength, which clicks.
        const auto loudest = [&s](std::size_t from, std::size_t to) {
            int most = 0;
            for (std::size_t j = from; j < to; ++j) most = std::max(most, std::abs(int(s[j])));
            return most;
        };
        const std::size_t ms1 = SampleRate / 1000, end = found[i].from + found[i].length;
        EXPECT_LT(loudest(found[i].from, found[i].from + ms1), 9000) << i;
        EXPECT_LT(loudest(end - ms1, end), 9000) << i;
        EXPECT_GT(loudest(found[i].from, end), 19000) << i;
    }
}

TEST(CwSound, AMessageDecodesBackFromItsEnvelopeAtEverySpeed) {
    const auto codes = cwCodes(QStringLiteral("N0ORV/R (AR) ?,"));
    ASSERT_TRUE(codes);
    std::map<std::string, std::uint8_t> byMorse;
    for (std::uint8_t c = 0; c < Cw::Characters.size(); ++c)
        if (*Sound::morse(c)) byMorse[Sound::morse(c)] = c;
    for (const int wpm : {15, 20, 30}) {
        const double unit = 1200.0 / wpm;
        const Sound::Samples s = Sound::render(Sound::cwMessage(*codes, {wpm, 700}));
        std::vector<std::uint8_t> decoded;
        std::string letter;
        for (const Stretch& run : runs(s)) {
            const double units = ms(run.length) / unit;
            if (run.sound) {
                EXPECT_NEAR(units, units < 2 ? 1 : 3, 1.0 / unit) << wpm;  // within a millisecond
                letter += units < 2 ? '.' : '-';
                continue;
            }
            EXPECT_TRUE(std::abs(units - 1) < 0.05 || std::abs(units - 3) < 0.05 ||
                        std::abs(units - 7) < 0.05)
                << wpm << " WPM: a gap of " << units << " units";
            if (units < 2) continue;
            decoded.push_back(byMorse.at(letter));
            letter.clear();
            if (units > 5) decoded.push_back(38);  // the word space
        }
        decoded.push_back(byMorse.at(letter));
        EXPECT_EQ(decoded, *codes) << wpm << " WPM";
        // PARIS: 50 units a word, so one "PARIS " lasts 60 / wpm seconds.
        const auto paris = cwCodes(QStringLiteral("PARIS "));
        EXPECT_NEAR(ms(Sound::render(Sound::cwMessage(*paris, {wpm, 700})).size()) + 7 * unit,
                    60000.0 / wpm, 1.0);
    }
}

TEST(CwSound, UnknownCodesAndLeadingSpacesPlayNothing) {
    const Sound::Keying keying{20, 800};
    const Sound::Steps e = Sound::cwMessage({14}, keying);
    EXPECT_EQ(Sound::cwMessage({38, 38, 14, 200, 38}, keying), e);
    EXPECT_EQ(Sound::cwMessage({47, 255}, keying), Sound::Steps{});
}

TEST(WavFile, Holds16BitMonoPcmOfTheSamples) {
    const Sound::Samples samples{0, 1, -1, 32767, -32768};
    const QByteArray file = Sound::wav(samples);
    ASSERT_EQ(file.size(), 44 + 10);
    EXPECT_TRUE(file.startsWith("RIFF"));
    EXPECT_EQ(file.mid(8, 8), QByteArray("WAVEfmt "));
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(file.constData() + at); };
    EXPECT_EQ(u32(4), 36u + 10u);
    EXPECT_EQ(u16(20), 1);  // PCM
    EXPECT_EQ(u16(22), 1);  // mono
    EXPECT_EQ(u32(24), quint32(SampleRate));
    EXPECT_EQ(u16(34), 16);
    EXPECT_EQ(file.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(u32(40), 10u);
    EXPECT_EQ(qint16(u16(44 + 6)), 32767);
    EXPECT_EQ(qint16(u16(44 + 8)), -32768);
}
