#include "voice/speech.h"

#include <espeak-ng/speak_lib.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "core/loadedlibrary.h"
#include "formats/vocabulary.h"

namespace Speech {

namespace {

using Kind = Spoken::Kind;

Spoken say(const char* text) { return {Kind::Say, QString::fromUtf8(text), 0, 0}; }
Spoken silence(double ms) { return {Kind::Silence, {}, ms, 0}; }
Spoken tone(double hertz, double ms) { return {Kind::Tone, {}, ms, hertz}; }

struct Chosen {
    int number;
    Spoken spoken;
};

// The editor's own choices: what a display text cannot say as written.
const std::vector<Chosen>& chosen() {
    static const std::vector<Chosen> table = [] {
        std::vector<Chosen> t = {
            {343, say("ed")},   // "Ed (suffix)"
            {479, say("ing")},  // "Ing (suffix)"
            {802, say("s")},    // "S (plural)"
            {238, say("association")},
            {960, silence(250)},  // the pauses: a quarter second each step
            {961, silence(500)},
            {962, silence(750)},
            {963, silence(1000)},
            {964, tone(660, 300)},  // chimes and sound effects: short tones
            {965, tone(880, 300)},
            {966, tone(1100, 300)},
            {967, tone(200, 120)},                 // gunshot
            {972, tone(440, 400)},                 // laughter
            {100, say("the time is ten thirty")},  // announcements: an example of each
            {101, say("today is tuesday")},
            {102, say("the seventh")},
            {103, say("good morning")},
            {135, silence(500)},  // 500 Ms Delay
            {980, say("good morning")},
            {981, say("good afternoon")},
            {982, say("good evening")},
            {999, say("or vain")},  // ORVANE
        };
        const char* states[] = {"off", "on", "momentary"};
        for (int f = 0; f < 3; ++f)
            for (int s = 0; s < 3; ++s)
                t.push_back({111 + 3 * f + s,
                             {Kind::Say,
                              QStringLiteral("user function %1 %2")
                                  .arg(f + 1)
                                  .arg(QLatin1String(states[s])),
                              0, 0}});
        for (int track = 1; track <= 16; ++track)
            t.push_back(
                {139 + track, {Kind::Say, QStringLiteral("recording %1").arg(track), 0, 0}});
        for (int n = 1; n <= 8; ++n) t.push_back({160 + n, tone(1000, 150)});
        std::sort(t.begin(), t.end(),
                  [](const Chosen& a, const Chosen& b) { return a.number < b.number; });
        return t;
    }();
    return table;
}

// The composer's name of a word: its All Words label.
QString label(int number) {
    for (const Vocabulary::PickEntry& entry : Vocabulary::pickList(Vocabulary::PickList::AllWords))
        if (entry.number == number) return QString::fromUtf8(entry.label);
    return Vocabulary::wordText(Vocabulary::wordCode(number));
}

// The synthesiser, started once on first use; its samples collect here.
std::vector<short>* g_collect = nullptr;

int collect(short* samples, int count, espeak_EVENT*) {
    if (samples && g_collect) g_collect->insert(g_collect->end(), samples, samples + count);
    return 0;
}

// The synthesiser's library is loaded on the first utterance, not with the program: it brings
// its own sound output and codec libraries, which an editing session that never speaks would carry
// all along.
struct Synthesiser {
    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_SetSynthCallback) setCallback = nullptr;
    decltype(&espeak_SetVoiceByName) setVoice = nullptr;
    decltype(&espeak_Synth) synth = nullptr;
    int rate = 0;
};

const Synthesiser& synthesiser() {
    static const Synthesiser loaded = [] {
        Synthesiser s;
        const LoadedLibrary library("libespeak-ng.so.1");
        if (!library.find("espeak_Initialize", s.initialize) ||
            !library.find("espeak_SetSynthCallback", s.setCallback) ||
            !library.find("espeak_SetVoiceByName", s.setVoice) ||
            !library.find("espeak_Synth", s.synth))
            return Synthesiser{};
        const int r = s.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (r <= 0) return Synthesiser{};
        s.setCallback(collect);
        s.setVoice("en-us");
        s.rate = r;
        return s;
    }();
    return loaded;
}

int synthesiserRate() { return synthesiser().rate; }

QString escaped(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

// One utterance at Sound::SampleRate.
Sound::Samples speak(const QString& ssml) {
    const int rate = synthesiserRate();
    if (rate <= 0) return {};
    std::vector<short> raw;
    g_collect = &raw;
    const QByteArray text =
        (QStringLiteral("<speak>") + ssml + QStringLiteral("</speak>")).toUtf8();
    synthesiser().synth(text.constData(), size_t(text.size() + 1), 0, POS_CHARACTER, 0,
                        espeakCHARS_UTF8 | espeakSSML, nullptr, nullptr);
    g_collect = nullptr;
    if (rate == Sound::SampleRate) return {raw.begin(), raw.end()};
    // Another rate: resampled by straight lines between the synthesiser's samples.
    Sound::Samples out(std::size_t(double(raw.size()) * Sound::SampleRate / rate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double at = double(i) * rate / Sound::SampleRate;
        const auto j = std::size_t(at);
        const double a = raw[j], b = j + 1 < raw.size() ? raw[j + 1] : a;
        out[i] = std::int16_t(std::lround(a + (b - a) * (at - double(j))));
    }
    return out;
}

}  // namespace

Spoken spokenForm(int number) {
    const auto& table = chosen();
    const auto found = std::lower_bound(table.begin(), table.end(), number,
                                        [](const Chosen& c, int n) { return c.number < n; });
    if (found != table.end() && found->number == number) return found->spoken;
    QString name = label(number);
    static const QRegularExpression qualifier(QStringLiteral("\\s*\\([^)]*\\)"));
    name.remove(qualifier);
    name = name.trimmed();
    // A single letter is spelled, as in a call sign.
    if (name.size() == 1 && name[0].isLetter())
        return {Kind::Say,
                QStringLiteral("<say-as interpret-as=\"characters\">%1</say-as>").arg(name), 0, 0};
    return {Kind::Say, escaped(name), 0, 0};
}

std::vector<int> wordNumbers(const Image& image, const Fields::ByteRange& range) {
    std::vector<int> out;
    if (range.length < 1 || range.first < 0 || range.first + range.length > ImageSize) return out;
    const int count = image[range.first];
    for (int w = 0; w < count; ++w) {
        const int at = range.first + 1 + Vocabulary::StoredWordSize * w;
        if (at + 1 >= range.first + range.length) break;
        out.push_back(Vocabulary::wordNumber(Vocabulary::storedWordCode(image[at], image[at + 1])));
    }
    return out;
}

Sound::Samples render(const std::vector<int>& numbers) {
    Sound::Samples out;
    QString utterance;
    const auto flush = [&] {
        if (utterance.isEmpty()) return;
        const Sound::Samples said = speak(utterance);
        out.insert(out.end(), said.begin(), said.end());
        utterance.clear();
    };
    for (const int number : numbers) {
        const Spoken spoken = spokenForm(number);
        if (spoken.kind == Kind::Say) {
            if (!utterance.isEmpty()) utterance += QLatin1Char(' ');
            utterance += spoken.text;
            continue;
        }
        flush();
        const Sound::Samples part =
            Sound::render({{spoken.kind == Kind::Tone ? spoken.hertz : 0, spoken.ms}});
        out.insert(out.end(), part.begin(), part.end());
    }
    flush();
    return out;
}

QString unavailable() {
    if (synthesiserRate() > 0) return {};
    return QCoreApplication::translate("Speech",
                                       "The speech synthesiser (espeak-ng) could not start.");
}

}  // namespace Speech
