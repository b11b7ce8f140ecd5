// Voice words as sound: the spoken form of the words a display text cannot say, and a message
// rendered by the synthesiser, non-silent, with silences where its pause words are.
#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>

#include "dialogharness.h"
#include "formats/vocabulary.h"
#include "ui/soundplayer.h"
#include "voice/speech.h"
#include "voice/voicemessages.h"
#include "voice/voicemessagesdialog.h"

using Speech::Spoken;

TEST(SpokenForms, WordsAreSaidByTheirNamePausesAreSilentAndEffectsAreTones) {
    const struct {
        int number;
        Spoken::Kind kind;
        const char* text;
        double ms;
    } cases[] = {
        {343, Spoken::Kind::Say, "ed", 0},         // "Ed (suffix)", shown "Ed_Sufffix"
        {830, Spoken::Kind::Say, "The", 0},        // "The (short E)": no qualifier
        {876, Spoken::Kind::Say, "Use", 0},        // "Use (noun)", shown "Use_noun"
        {555, Spoken::Kind::Say, "Less Than", 0},  // shown "Less_than"
        {210, Spoken::Kind::Say, "<say-as interpret-as=\"characters\">A</say-as>", 0},
        {144, Spoken::Kind::Say, "recording 5", 0},  // DVR Track #5
        {116, Spoken::Kind::Say, "user function 2 momentary", 0},
        {960, Spoken::Kind::Silence, "", 250},
        {963, Spoken::Kind::Silence, "", 1000},
        {135, Spoken::Kind::Silence, "", 500},
        {964, Spoken::Kind::Tone, "", 300},
        {163, Spoken::Kind::Tone, "", 150},  // courtesy tone #3
    };
    for (const auto& c : cases) {
        const Spoken spoken = Speech::spokenForm(c.number);
        EXPECT_EQ(spoken.kind, c.kind) << c.number;
        EXPECT_EQ(spoken.text, QString::fromUtf8(c.text)) << c.number;
        EXPECT_EQ(spoken.ms, c.ms) << c.number;
    }
    // Every word of the vocabulary has a form that says something or lasts.
    for (const Vocabulary::WordEntry& word : Vocabulary::wordTable()) {
        const Spoken spoken = Speech::spokenForm(Vocabulary::wordNumber(word.code));
        EXPECT_TRUE(spoken.kind == Spoken::Kind::Say ? !spoken.text.isEmpty() : spoken.ms > 0)
            << word.code;
    }
}

TEST(SpeechRendering, AMessageIsHeardWithSilenceWhereItsPausesAre) {
    if (!Speech::unavailable().isEmpty()) GTEST_SKIP() << Speech::unavailable().toStdString();
    // "1", Pause 4 (a second), "2": speech, a silence of at least a second, speech.
    const Sound::Samples s = Speech::render({1, 963, 2});
    ASSERT_FALSE(s.empty());
    const auto loud = [](std::int16_t v) { return std::abs(int(v)) > 500; };
    const auto firstLoud = std::find_if(s.begin(), s.end(), loud);
    const auto lastLoud = std::find_if(s.rbegin(), s.rend(), loud).base();
    ASSERT_LT(firstLoud, lastLoud);
    std::size_t longestQuiet = 0, quiet = 0;
    for (auto it = firstLoud; it != lastLoud; ++it) {
        quiet = loud(*it) ? 0 : quiet + 1;
        longestQuiet = std::max(longestQuiet, quiet);
    }
    EXPECT_GE(longestQuiet, std::size_t(Sound::SampleRate));  // the pause, inside the message
    // Without the pause the words run together: no second of quiet between them.
    const Sound::Samples joined = Speech::render({1, 2});
    std::size_t joinedQuiet = 0;
    quiet = 0;
    for (const std::int16_t v : joined) {
        quiet = loud(v) ? 0 : quiet + 1;
        joinedQuiet = std::max(joinedQuiet, quiet);
    }
    EXPECT_LT(joinedQuiet, std::size_t(Sound::SampleRate) / 2);
}

TEST(SpeechRendering, TheWordsOfAStoredMessageAreReadFromItsCountAndPairs) {
    Image image{};
    const int at = VoiceMessages::messageOffset(0, 3);
    const std::uint8_t stored[] = {3, 2, 10, 9, 60, 0, 7, 0xEE};  // 210 "A", 960, 7; then junk
    std::copy(std::begin(stored), std::end(stored), image.begin() + at);
    EXPECT_EQ(Speech::wordNumbers(image, {at, 1 + 2 * 23}), (std::vector<int>{210, 960, 7}));
    // A count past the field stops at its end.
    image[at] = 200;
    EXPECT_EQ(Speech::wordNumbers(image, {at, 5}).size(), 2u);
}

namespace {

// Keeps what it is given to play.
class KeptSink : public SoundSink {
public:
    static inline std::vector<QByteArray> played;
    bool start(const QByteArray& pcm, int, QString*) override {
        played.push_back(pcm);
        return true;
    }
    void stop() override {}
};

}  // namespace

TEST(SpeechRendering, TheVoiceDialogSpeaksTheMessageWhoseFieldHasTheFocus) {
    if (!Speech::unavailable().isEmpty()) GTEST_SKIP() << Speech::unavailable().toStdString();
    KeptSink::played.clear();
    SoundPlayer::instance().setSinkFactory([] { return std::make_unique<KeptSink>(); });
    Image start{};
    const std::uint8_t words[] = {2, 0, 1, 0, 2};  // message 2: "1 2"
    std::copy(std::begin(words), std::end(words),
              start.begin() + VoiceMessages::messageOffset(0, 2));
    DialogHarness harness(start);
    auto& dialog = harness.open<VoiceMessagesDialog>();
    auto* play = child<QPushButton>(dialog, QStringLiteral("cmdPlay"));
    EXPECT_FALSE(play->isEnabled());  // message 1 is empty
    harness.field(QStringLiteral("lblMsg2"))->setFocus();
    EXPECT_EQ(shown(dialog, QStringLiteral("lblPlaying")), QStringLiteral("Play speaks message 2"));
    ASSERT_TRUE(play->isEnabled());
    play->click();
    ASSERT_EQ(KeptSink::played.size(), 1u);
    // The synthesiser varies a little from one utterance to the next: the same words, about as
    // long.
    const qsizetype expected = Sound::pcm(Speech::render({1, 2})).size();
    EXPECT_NEAR(double(KeptSink::played[0].size()), double(expected), expected * 0.1);
    EXPECT_GT(KeptSink::played[0].size(), 0);
    EXPECT_EQ(harness.image, harness.before);
    SoundPlayer::instance().stop();
    SoundPlayer::instance().setSinkFactory({});
}
