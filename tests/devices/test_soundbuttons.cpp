// The editor's Play buttons over a sound output the test provides: what each plays, Play turning
// into Stop, Escape stopping the sound and nothing else, and the buttons where no sound can play.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include "devices/courtesytones.h"
#include "devices/courtesytonesdialog.h"
#include "devices/cwmessagedialog.h"
#include "dialogharness.h"
#include "formats/cwcode.h"
#include "formats/sound.h"
#include "ui/soundplayer.h"

namespace {

// Keeps what it was given to play; plays until the test finishes it or it is stopped.
class FakeSink : public SoundSink {
public:
    static inline std::vector<QByteArray> played;
    static inline bool refuse = false;
    static inline FakeSink* current = nullptr;

    FakeSink() { current = this; }
    ~FakeSink() override { current = nullptr; }
    bool start(const QByteArray& pcm, int, QString* problem) override {
        if (refuse) {
            *problem = QStringLiteral("No sound output was found.");
            return false;
        }
        played.push_back(pcm);
        return true;
    }
    void stop() override {}
    void finish() { emit finished(); }
};

class SoundButtons : public ::testing::Test {
protected:
    void SetUp() override {
        FakeSink::played.clear();
        FakeSink::refuse = false;
        SoundPlayer::instance().setSinkFactory([] { return std::make_unique<FakeSink>(); });
    }
    void TearDown() override { SoundPlayer::instance().setSinkFactory({}); }
};

Image tonesAndCw() {
    Image image{};
    const std::uint8_t row[] = {8, 2, 1, 6, 3, 0, 0, 0};
    std::copy(std::begin(row), std::end(row), image.begin() + CourtesyTones::toneOffset(2));
    storeCwMessage(image, *cwCodes(QStringLiteral("N0ORV")));
    return image;
}

}  // namespace

TEST_F(SoundButtons, ACourtesyToneRowPlaysItsStoredSoundAndTurnsIntoStop) {
    DialogHarness harness(tonesAndCw());
    auto& dialog = harness.open<CourtesyTonesDialog>();
    auto* play = child<QPushButton>(dialog, QStringLiteral("cmdPlay2"));
    EXPECT_FALSE(child<QPushButton>(dialog, QStringLiteral("cmdPlay0"))->isEnabled());  // blank
    ASSERT_TRUE(play->isEnabled());
    EXPECT_EQ(play->text(), QStringLiteral("Play"));

    play->click();
    ASSERT_EQ(FakeSink::played.size(), 1u);
    EXPECT_EQ(FakeSink::played[0],
              Sound::pcm(Sound::render(CourtesyTones::sound(harness.image, 2))));
    EXPECT_EQ(play->text(), QStringLiteral("Stop"));

    // Escape stops the sound and leaves the dialog open; the next Escape closes it.
    QTest::keyClick(play, Qt::Key_Escape);
    EXPECT_EQ(play->text(), QStringLiteral("Play"));
    EXPECT_TRUE(dialog.isVisible());
    // The sound ending by itself turns Stop back into Play too.
    play->click();
    FakeSink::current->finish();
    EXPECT_EQ(play->text(), QStringLiteral("Play"));
    QTest::keyClick(play, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(harness.image, harness.before);  // playing writes nothing
}

TEST_F(SoundButtons, TheCwDialogPlaysTheMessageAtTheSpeedAndPitchItKeeps) {
    DialogHarness harness(tonesAndCw());
    auto& dialog = harness.open<CwMessageDialog>();
    child<QSpinBox>(dialog, QStringLiteral("spnWpm"))->setValue(15);
    child<QSpinBox>(dialog, QStringLiteral("spnPitch"))->setValue(650);
    EXPECT_EQ(harness.settings.cwWpm, 15);
    EXPECT_EQ(harness.settings.cwPitch, 650);
    child<QPushButton>(dialog, QStringLiteral("cmdPlay"))->click();
    ASSERT_EQ(FakeSink::played.size(), 1u);
    EXPECT_EQ(
        FakeSink::played[0],
        Sound::pcm(Sound::render(Sound::cwMessage(*cwCodes(QStringLiteral("N0ORV")), {15, 650}))));
}

TEST_F(SoundButtons, WhereNoSoundPlaysTheButtonsAreDisabledAndSayWhy) {
    FakeSink::refuse = true;
    DialogHarness harness(tonesAndCw());
    auto& dialog = harness.open<CourtesyTonesDialog>();
    auto* play = child<QPushButton>(dialog, QStringLiteral("cmdPlay2"));
    auto* why = child<QLabel>(dialog, QStringLiteral("lblPlayUnavailable"));
    EXPECT_TRUE(why->isHidden());
    play->click();
    EXPECT_FALSE(play->isEnabled());
    EXPECT_EQ(play->toolTip(), QStringLiteral("No sound output was found."));
    EXPECT_FALSE(why->isHidden());  // also for the keyboard: a line under the buttons
    EXPECT_EQ(why->text(), play->toolTip());
    EXPECT_FALSE(child<QPushButton>(dialog, QStringLiteral("cmdPlay5"))->isEnabled());

    // Without a sound server the library is never loaded, and the buttons say so at once.
    SoundPlayer::instance().setSinkFactory({});
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/nonexistent");
    qunsetenv("PULSE_SERVER");
    DialogHarness other(tonesAndCw());
    auto& second = other.open<CourtesyTonesDialog>();
    auto* none = child<QPushButton>(second, QStringLiteral("cmdPlay2"));
    EXPECT_FALSE(none->isEnabled());
    EXPECT_TRUE(none->toolTip().contains(QLatin1String("no sound server")))
        << none->toolTip().toStdString();
    qputenv("XDG_RUNTIME_DIR", runtime);
}
