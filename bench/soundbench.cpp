// Play in the editors, up to the samples handed to the sound output: a courtesy tone, the CW
// identification at the default keying and a voice message spoken by the synthesiser.
#include <benchmark/benchmark.h>

#include "core/settings.h"
#include "devices/courtesytones.h"
#include "formats/cwcode.h"
#include "formats/sound.h"
#include "fullimage.h"
#include "voice/speech.h"

namespace {

// Courtesy tone 1 of the sample: two tones with a pause between them.
void BM_Sound_CourtesyTone(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const Image& image = Bench::fullImage();
    const Sound::Samples first = Sound::render(CourtesyTones::sound(image, 0));
    if (first.empty()) {
        state.SkipWithError("courtesy tone 1 makes no sound");
        return;
    }
    for (auto _ : state) {
        Sound::Samples samples = Sound::render(CourtesyTones::sound(image, 0));
        benchmark::DoNotOptimize(samples.data());
    }
    state.counters["samples"] = double(first.size());
}
BENCHMARK(BM_Sound_CourtesyTone)->Name("BM_Sound/CourtesyTone")->Unit(benchmark::kMicrosecond);

void BM_Sound_CwId(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    const Image& image = Bench::fullImage();
    const Settings settings;
    const Sound::Keying keying{settings.cwWpm, double(settings.cwPitch)};
    const Sound::Samples first = Sound::render(Sound::cwMessage(cwStoredCodes(image), keying));
    if (first.empty()) {
        state.SkipWithError("the CW message makes no sound");
        return;
    }
    for (auto _ : state) {
        Sound::Samples samples = Sound::render(Sound::cwMessage(cwStoredCodes(image), keying));
        benchmark::DoNotOptimize(samples.data());
    }
    state.counters["samples"] = double(first.size());
}
BENCHMARK(BM_Sound_CwId)->Name("BM_Sound/CwId")->Unit(benchmark::kMillisecond);

// Base voice message 2 of the sample: words said, pauses and an announcement.
void BM_Sound_VoiceMessage(benchmark::State& state) {
    if (!Bench::haveFullImage(state)) return;
    if (const QString why = Speech::unavailable(); !why.isEmpty()) {
        state.SkipWithError(qPrintable(QStringLiteral("no speech synthesiser: ") + why));
        return;
    }
    const Fields::Field* message = Bench::catalogueField(QStringLiteral("voice.base.message-02"));
    if (!message || message->writes.empty()) {
        state.SkipWithError("the sample has no base voice message 2");
        return;
    }
    const std::vector<int> words = Speech::wordNumbers(Bench::fullImage(), message->writes.front());
    const Sound::Samples first = Speech::render(words);
    if (words.empty() || first.empty()) {
        state.SkipWithError("the voice message makes no sound");
        return;
    }
    for (auto _ : state) {
        Sound::Samples samples = Speech::render(words);
        benchmark::DoNotOptimize(samples.data());
    }
    state.counters["words"] = double(words.size());
    state.counters["samples"] = double(first.size());
}
BENCHMARK(BM_Sound_VoiceMessage)->Name("BM_Sound/VoiceMessage")->Unit(benchmark::kMillisecond);

}  // namespace
