// orvtool sound: a courtesy tone or the CW identification as a WAV file, with the CW speed and
// pitch from the options or the editor's settings, never written over the configuration file.
#include <QtEndian>

#include "core/regions.h"
#include "devices/courtesytones.h"
#include "formats/cwcode.h"
#include "tooltest.h"

namespace {

// The samples a WAV file of orvtool holds: after its 44-byte heading.
qsizetype sampleCount(const QByteArray& wav) { return (wav.size() - 44) / 2; }

Image soundImage() {
    Image image{};
    // Row 2: 1000 Hz 100 ms, 50 ms, 800 Hz 150 ms.
    putBytes(image, CourtesyTones::toneOffset(1), {8, 2, 1, 6, 3, 0, 0, 0});
    storeCwMessage(image, *cwCodes(QStringLiteral("E E")));
    return image;
}

class ToolSound : public ToolTest {};

}  // namespace

TEST_F(ToolSound, WritesACourtesyToneAndTheCwIdentificationAsWav) {
    const QString file = input(QStringLiteral("club.orv"), soundImage());
    const ToolRun tone = run({"sound", file, "courtesy-tones.2", "--output", path("t.wav")});
    ASSERT_EQ(tone.status, 0) << tone.err.toStdString();
    QFile wav(path(QStringLiteral("t.wav")));
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    const QByteArray bytes = wav.readAll();
    EXPECT_TRUE(bytes.startsWith("RIFF"));
    EXPECT_EQ(sampleCount(bytes), 22050 * 300 / 1000);  // 100 + 50 + 150 ms

    // E, a word space, E: dot, 7 units, dot; at 12 WPM a unit is 100 ms, at 24 WPM 50 ms.
    const auto cwLength = [&](const QStringList& extra) {
        QStringList arguments{"sound", file, "cw.message", "--output", path("cw.wav")};
        const ToolRun done = run(arguments + extra);
        EXPECT_EQ(done.status, 0) << done.err.toStdString();
        QFile out(path(QStringLiteral("cw.wav")));
        return out.open(QIODevice::ReadOnly) ? sampleCount(out.readAll()) : -1;
    };
    EXPECT_EQ(cwLength({"--wpm", "12"}), 22050 * 900 / 1000);
    setSetting(QStringLiteral("Sound/CwWpm"), QStringLiteral("24"));
    EXPECT_EQ(cwLength({}), qRound64(22050 * 0.45));
}

TEST_F(ToolSound, SpeaksAVoiceMessageAndASpeedDialIdentification) {
    Image image = soundImage();
    const QString file = input(QStringLiteral("club.orv"), image);
    // The words set through the tool itself, as a user would (the image has no access flags).
    const ToolRun set =
        run({"set", file, "voice.base.message-01=Repeater", "speed-dial.05.number=5550105",
             "speed-dial.05.identification= Fire", "--yes", "--output", path("words.orv")});
    ASSERT_EQ(set.status, 0) << set.err.toStdString();
    for (const char* what : {"voice.base.message-01", "speed-dial.05.identification"}) {
        const ToolRun spoken = run({"sound", path("words.orv"), what, "--output", path("v.wav")});
        ASSERT_EQ(spoken.status, 0) << spoken.err.toStdString();
        QFile wav(path(QStringLiteral("v.wav")));
        ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
        EXPECT_GT(sampleCount(wav.readAll()), 22050 / 10) << what;  // a word lasts
    }
    // An empty message makes no sound, and says so.
    const ToolRun empty = run({"sound", file, "voice.base.message-02", "--output", path("e.wav")});
    EXPECT_EQ(empty.status, 0);
    EXPECT_TRUE(empty.err.contains(QLatin1String("makes no sound"))) << empty.err.toStdString();
}

TEST_F(ToolSound, RefusesUnknownSoundsBadNumbersAndTheConfigurationItself) {
    const QString file = input(QStringLiteral("club.orv"), soundImage());
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{"sound", file, "courtesy-tones.9", "--output", "x.wav"}, "no sound"},
        {{"sound", file, "voice.base.message-99", "--output", "x.wav"}, "no sound"},
        {{"sound", file, "cw.message"}, "sound needs --output"},
        {{"sound", file, "cw.message", "--output", "x.wav", "--wpm", "61"}, "--wpm takes"},
        {{"sound", file, "cw.message", "--output", "x.wav", "--pitch", "high"}, "--pitch takes"},
        {{"sound", file, "cw.message", "--output", file}, "the configuration file itself"},
        {{"sound", file, "cw.message", "--output", path("")}, "not a regular file"},
        {{"sound", file, "cw.message", "--output", input("other.orv", soundImage())},
         "the name does not end in \".wav\""},
    };
    for (const auto& c : cases) {
        const ToolRun done = run(c.arguments);
        EXPECT_EQ(done.status, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(done.err.contains(QLatin1String(c.says))) << done.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.wav"))));
}
