// orvtool dump, diff and info on images made for them: each value as its dialog shows it under its
// key, the keys of each memory layout, the differing fields and the bytes no field shows, the byte
// sum and the memory areas holding data.
#include <unistd.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include "core/texts.h"
#include "tooltest.h"

namespace {

// The irregular places of every area.
Image fieldImage() {
    Image image{};
    // clang-format off
    putBytes(image, 32, {7, 1, 2, 3, 4, 5, 6, 7});               // unlock number
    putBytes(image, 1094, {2, 1});                               // any recorder byte but 0; 24 hour
    putBytes(image, 48 + 8 * 13, {9, 10, 11, 12, 13, 14, 15, 0}); // length 9: the seven keys
    putBytes(image, 5416 + 8 * 3, {3, 1, 2, 3});                 // memory save #2
    putBytes(image, 178, {0x2C, 0x01});                          // 300 s
    putBytes(image, 178 + 2 * 9, {0xFF, 0x07});                  // 2047 tenths
    putBytes(image, 4746 + 2, {0x4B, 0xF8});                     // 75 s, upper five bits set
    putWords(image, 218, {999, 210});
    putBytes(image, 218 + 48, {24, 2, 10});                      // 24 words: no message
    putBytes(image, 40, {0x01, 0, 0, 0, 0, 0, 0, 0x80});         // zone 1 flag 1, zone 8 flag 8
    image[7008] = 0x01;                                          // memory save #4 zone 1 flag 1
    putBytes(image, 890 + 18, {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x10});    // macro 2: no trigger
    putBytes(image, 890 + 36, {2, 12, 5, 0, 0, 0, 0, 0, 0x50, 0x02});   // macro 3
    putBytes(image, 4298,          {0xFF, 0x00, 8, 0xFF, 0x30, 0x11, 0x11});  // event 1
    putBytes(image, 4298 + 7 * 16, {0x12, 0x25, 0, 0x08, 0x00, 0x26, 0x00});  // event 17
    putBytes(image, 4298 + 7 * 39, {0x00, 0x25, 0, 0x08, 0x00, 0x26, 0x00});  // event 40, erased
    putBytes(image, 3008, {7, 5, 5, 5, 1, 2, 3, 4});             // speed dial 57
    putWords(image, 3008 + 12, {440, 650});
    putBytes(image, 3038, {12, 5, 5, 5});                        // 58: a count of 12 shows nothing
    putWords(image, 3038 + 12, {440});
    image[1238] = 12;                                            // emergency 3: identification only
    putWords(image, 1238 + 12, {381});
    putBytes(image, 826, {0, 2, 1, 5, 3, 0, 8, 9});              // tone 1: no first frequency
    putBytes(image, 882, {2, 10, 9, 9, 0, 0, 8, 9});             // tone 8: codes beyond the tables
    putBytes(image, 794, {5, 32, 1, 10, 32, 37});
    putBytes(image, 1074 + 15, {0x80});                          // switch row 18, bit 8
    image[1074] = 0x01;
    putBytes(image, 1070, {0x11, 0x61, 0xFF, 0xFF});
    putBytes(image, 7329, {5, 1, 2});                            // area code 1 (three saves)
    putBytes(image, 7159, {10, 10, 1});                          // prefix 47 (three saves)
    // clang-format on
    return image;
}

QStringList lines(const QString& text) {
    QStringList list = text.split(QLatin1Char('\n'));
    if (!list.isEmpty() && list.last().isEmpty()) list.removeLast();
    return list;
}

}  // namespace

class OrvtoolFields : public ToolTest {};

TEST_F(OrvtoolFields, DumpShowsEachValueAsItsDialogDoes) {
    const QString file = input(QStringLiteral("club.orv"), fieldImage());
    // clang-format off
    const QStringList both = {
        "config.clock-announcements = 24 Hour", "config.dvr-type = VOXA-5",
        "unlock.number = 1234567", "pre-dial.number = ",
        "codes.base.expanded-user-function-switch = 0*#ABCD", "codes.mem2.dtmf-access-number = 123",
        "timers.base.repeater-time-out = 05:00", "timers.base.voice-delay = 204.7",
        "timers.mem1.repeater-sleep = 01:15",
        "voice.base.message-01 = ORVANE A", "voice.base.message-02 = ",
        "zones.base.zone-1.flag-1 = on", "zones.base.zone-1.flag-2 = off", "zones.base.zone-8.flag-8 = on",
        "macros.02.trigger = ", "macros.02.command-1 = ", "macros.02.review-1 = Repeater Transmitter OFF",
        "macros.03.trigger = #5", "macros.03.command-2 = 0000", "macros.03.review-1 = Execute Macro 2",
        "scheduler.01.time = ----:30", "scheduler.01.day-of-week = Weekdays", "scheduler.01.month = Skip",
        "scheduler.01.day-of-month = ----", "scheduler.01.command = 1111",
        "scheduler.01.review = Repeater Transmitter ON",
        "scheduler.17.time = 08:00", "scheduler.17.day-of-week = ----", "scheduler.17.month = December",
        "scheduler.17.day-of-month = 25", "scheduler.17.review = Send Salutations",
        "scheduler.40.time = ", "scheduler.40.review = ",
        "speed-dial.57.number = 5551234", "speed-dial.57.identification =  H O",
        "speed-dial.58.number = ", "speed-dial.58.identification = ",
        "emergency-speed-dial.3.number = ", "emergency-speed-dial.3.identification =  Fire",
        "courtesy-tones.1.tone-1-hertz = ", "courtesy-tones.8.tone-1-hertz = 400",
        "courtesy-tones.8.tone-1-msec = ", "courtesy-tones.8.dly-1-msec = 450",
        "courtesy-tones.8.tone-2-hertz = ", "courtesy-tones.8.tone-3-msec = 450",
        "cw.message = W1AW(AR)",
        "expanded-switches.1.bit-1 = on", "expanded-switches.18.bit-7 = off",
        "expanded-switches.18.bit-8 = on",
        "user-inputs.input-1.command = 1161", "user-inputs.input-1.review = DTMF Window ON",
        "user-inputs.input-2.command = FFFF", "user-inputs.input-2.review = Invalid Entry",
    };
    // Per block 14 codes, 16 timers, 12 messages and 64 zone flags; then 3 choices, unlock and
    // pre-dial; 10 macros of 11 fields; 40 events of 6; 105 speed dials of 2; 64 tone fields, the
    // CW message, 128 switches, 2 inputs of 2; with three saves 10 area codes and 100 prefixes.
    const struct { const char* saves; int count; QStringList present; QString absent; } layouts[] = {
        {"4", 5 * 106 + 762, {"config.dip-switch-5 = OFF - Use Four Memory Save Locations",
                              "zones.mem4.zone-1.flag-1 = on"}, "area-codes."},
        {"3", 4 * 106 + 762 + 110,
         {"config.dip-switch-5 = ON   - Setup memory for Area Codes and Telephone Prefix Codes",
          "area-codes.01 = 512", "area-codes.10 = ", "prefixes.47 = 001", "prefixes.00 = "}, ".mem4."},
    };
    // clang-format on
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.saves);
        const ToolRun r = run({"dump", file, "--memory-saves", layout.saves});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, QString());
        const QStringList shown = lines(r.out);
        EXPECT_EQ(shown.size(), layout.count);
        QSet<QString> keys;
        for (const QString& line : shown) keys.insert(line.section(" = ", 0, 0));
        EXPECT_EQ(keys.size(), shown.size()) << "every key once";
        for (const QString& line : both + layout.present)
            EXPECT_TRUE(shown.contains(line)) << line.toStdString();
        EXPECT_FALSE(r.out.contains(layout.absent));
    }
}

TEST_F(OrvtoolFields, DiffListsTheChangedFieldsThenTheBytesNoFieldShows) {
    const Image before = fieldImage();
    const QString a = input(QStringLiteral("a.orv"), before);
    const auto changed = [&before](std::initializer_list<std::pair<int, int>> bytes) {
        Image image = before;
        for (const auto& [offset, value] : bytes) image[offset] = static_cast<std::uint8_t>(value);
        return image;
    };
    // clang-format off
    const struct { const char* name; Image after; const char* saves; int status; const char* text; } cases[] = {
        {"same", before, "4", 0, ""},
        {"unused regions", changed({{0, 0x55}, {1100, 1}, {8191, 9}}), "4", 1, "other differing bytes: 3\n"},
        // A word past the message's count, bits a timer ignores and an unused byte hide.
        {"fields", changed({{178, 0x2D}, {40, 0x05}, {218 + 10, 7}, {4749, 0x00}, {4600, 1}}), "4", 1,
         "timers.base.repeater-time-out: 05:00 -> 05:01\n"
         "zones.base.zone-1.flag-3: off -> on\n"
         "other differing bytes: 3\n"},
        {"spaces", changed({{3008 + 12 + 4, 20}}), "4", 1,
         "speed-dial.57.identification:  H O ->  H N\nother differing bytes: 0\n"},
        // The first area code's first digit, or the last byte of a memory save #4 voice record.
        {"area code", changed({{7329, 6}}), "3", 1, "area-codes.01: 512 -> 612\nother differing bytes: 0\n"},
        {"memory save 4", changed({{7329, 6}}), "4", 1, "other differing bytes: 1\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString b = input(QString::fromLatin1(c.name) + ".orv", c.after);
        const ToolRun r = run({"diff", a, b, "--memory-saves", c.saves});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.text);
        EXPECT_EQ(r.err, QString());
    }
}

// check: a line per finding (each file named when there are several), status 1 with an error,
// 0 without, 2 when a file cannot be read; --format json gives the same findings as objects.
TEST_F(OrvtoolFields, CheckListsFindingsWithTheirKeysAndSaysByItsStatusWhetherOneIsAnError) {
    Image clean{};
    Image wrong = clean;
    putBytes(wrong, 890, {1, 0x0B});         // macro 1: trigger "*"
    putBytes(wrong, 890 + 8, {0x11, 0x12});  // its command 1: 1112, no command
    const QString good = input(QStringLiteral("good.orv"), clean);
    const QString bad = input(QStringLiteral("bad.orv"), wrong);
    const ToolRun one = run({"check", good, "--memory-saves", "4"});
    EXPECT_EQ(one.status, 0) << one.err.toStdString();
    EXPECT_FALSE(one.out.contains(QLatin1String("error")));
    const ToolRun both = run({"check", good, bad, "--memory-saves", "4"});
    EXPECT_EQ(both.status, 1);
    EXPECT_TRUE(both.out.contains(bad + ": error macros.01.command-1: Macro 1, command 1: 1112 "
                                        "reads \"Invalid Entry\" (no command of the catalogue)\n"))
        << both.out.toStdString();
    const ToolRun json = run({"check", bad, "--format", "json", "--memory-saves", "4"});
    EXPECT_EQ(json.status, 1);
    const QJsonArray findings = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_FALSE(findings.isEmpty());
    const auto error = std::ranges::find_if(findings, [](const QJsonValue& v) {
        return v[QStringLiteral("severity")] == QStringLiteral("error");
    });
    ASSERT_NE(error, findings.end());
    EXPECT_EQ((*error)[QStringLiteral("record")], QStringLiteral("Macro 1"));
    EXPECT_EQ((*error)[QStringLiteral("area")], QStringLiteral("macros"));
    EXPECT_EQ(run({"check", bad, path(QStringLiteral("missing.orv"))}).status, 2);
}

TEST_F(OrvtoolFields, InfoShowsTheOpenChecksTheByteSumAndTheAreasHoldingData) {
    Image image{};
    image[4297] = 1;  // the last byte of the user speed dials, not the scheduler's first
    image[890] = 2;
    image[7008] = 200;
    const QString file = input(QStringLiteral("club.orv"), image);
    // clang-format off
    const QString head = "File: " + file + "\n"
        "Open: accepted (the name ends in \".orv\" and the file holds 8192 bytes)\n"
        "Byte sum: 203\n";
    const QString areas =
        "If box is filled, Memory Contains Data\n[x] User Speed Dial Memory\n"
        "[ ] Emergency Speed Dial Memory\n[ ] Schedular Memory \n[x] Macro Memory \n"
        "[ ] Base Voice Synthesizer Messages \n[ ] Memory Save #1\n[ ] Memory Save #2\n"
        "[ ] Memory Save #3\n";
    const struct { const char* saves; QString text; } cases[] = {
        {"4", head + "DIP Switch #5: OFF - Use Four Memory Save Locations\n" + areas +
              "[x] Memory Save #4\n"},
        {"3", head + "DIP Switch #5: ON   - Setup memory for Area Codes and Telephone Prefix Codes\n" +
              areas + "[x] Area Codes / Prefix Numbers\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saves);
        const ToolRun r = run({"info", file, "--memory-saves", c.saves});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.text);
    }
    Image full;
    full.fill(0xFF);
    const ToolRun r = run({"info", input(QStringLiteral("erased.orv"), full)});
    EXPECT_TRUE(r.out.contains("\nByte sum: 2088960\n"));  // 8192 x 255
    EXPECT_EQ(r.out.count("[x] "), 9);
}

TEST_F(OrvtoolFields, OutputsOfKeptImagesStayAsRecorded) {
    // Images kept with what orvtool printed for them when they were recorded
    // (scripts/tool-outputs.sh records the same for hundreds of images): the seed images of the
    // fuzz targets and two generated ones, one of them with a few bytes changed.
    const QDir golden(QStringLiteral(GOLDEN_DIR));
    const QDir seeds(QStringLiteral(SEED_DIR));
    const auto image = [&](const QDir& folder, const char* name) {
        QFile file(folder.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return input(QLatin1String(name), file.readAll());
    };
    const QString patterned = image(seeds, "patterned.orv");
    const QString erased = image(seeds, "erased.orv");
    const QString zero = image(seeds, "zero.orv");
    const QString gen1 = image(golden, "gen001.orv");
    const QString gen1Changed = image(golden, "gen001-changed.orv");
    const QString gen3 = image(golden, "gen003.orv");
    const QString date = QStringLiteral("01/01/26");
    // clang-format off
    const struct { QStringList arguments; QString file; const char* expected; } cases[] = {
        {{"dump", patterned, "--memory-saves", "4"}, patterned, "patterned.dump4"},
        {{"report", patterned, "--memory-saves", "3", "--date", date}, patterned, "patterned.report3"},
        {{"dump", erased, "--memory-saves", "3"}, erased, "erased.dump3"},
        {{"report", zero, "--memory-saves", "4", "--date", date}, zero, "zero.report4"},
        {{"dump", gen1, "--memory-saves", "4"}, gen1, "gen001.dump4"},
        {{"diff", gen1, gen1Changed, "--memory-saves", "4"}, gen1, "gen001.diff4"},
        {{"dump", gen3, "--memory-saves", "3"}, gen3, "gen003.dump3"},
        {{"report", gen3, "--memory-saves", "4", "--date", date}, gen3, "gen003.report4"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        QFile expected(golden.filePath(QLatin1String(c.expected)));
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
        const ToolRun r = run(c.arguments);
        EXPECT_EQ(r.err, QString());
        // The report names the file it was made from; the recording stands for it by @FILE@.
        QString out = r.out;
        out.replace(QFileInfo(c.file).absoluteFilePath(), QStringLiteral("@FILE@"));
        EXPECT_TRUE(out == QString::fromUtf8(expected.readAll())) << "differs from the recording";
    }
}

// set and apply: --check prints the changes as diff does, --output writes them (FILE itself
// too), a refused line or the File Save Alert writes nothing and exits 2.
TEST_F(OrvtoolFields, SetAndApplyWriteOnlyWhatIsAcceptedAndOnlyToOutput) {
    Image image = fieldImage();
    image[40] = 0x01;  // transmitter on, nothing more: no File Save Alert
    const QString a = input(QStringLiteral("a.orv"), image);
    const QString out = path(QStringLiteral("out.orv"));

    ToolRun r = run({"set", a, "timers.base.repeater-time-out=05:00", "cw.message=CQ", "--check"});
    EXPECT_EQ(r.status, 0);
    // The timer already shows 05:00: only the CW message changes.
    EXPECT_TRUE(r.out.contains(QRegularExpression("^cw\\.message: .* -> CQ\n")));
    EXPECT_TRUE(r.out.endsWith("other differing bytes: 0\n")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("timers."));
    EXPECT_FALSE(QFile::exists(out));

    r = run({"set", a, "cw.message=CQ DE (AR)", "--output", out});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(run({"dump", out}).out.contains("cw.message = CQ DE (AR)\n"));

    QFile changes(path(QStringLiteral("changes.txt")));
    ASSERT_TRUE(changes.open(QIODevice::WriteOnly));
    changes.write("# refused\ncw.message = cq\nno.such = 1\nzones.base.zone-1.flag-2 = on\n");
    changes.close();
    const QString before = out + QStringLiteral(".bytes");
    QFile::copy(out, before);
    r = run({"apply", out, changes.fileName(), "--output", out});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("%1:2: cw.message: ").arg(changes.fileName())))
        << r.err.toStdString();
    EXPECT_TRUE(
        r.err.contains(QStringLiteral("%1:3: no.such: no such key\n").arg(changes.fileName())));
    QFile written(out), kept(before);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), kept.readAll());

    // CTCSS required raises the File Save Alert: refused without --yes.
    r = run({"set", a, "zones.base.zone-1.flag-2=on", "--output", out});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("File Save Alert: Repeater CTCSS Enabled; Save Anyway?"))
        << r.err.toStdString();
    r = run({"set", a, "zones.base.zone-1.flag-2=on", "--output", out, "--yes"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(run({"dump", out}).out.contains("zones.base.zone-1.flag-2 = on\n"));

    // Changes from standard input; a second name of the output file is not split off unasked.
    r = run({"apply", a, "-", "--check"}, {}, {}, "cw.message = SK\n");
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(" -> SK\n"));
    r = run({"apply", a, "-"}, {}, {}, "cw.message = sk\n");
    EXPECT_TRUE(r.err.startsWith("standard input:1: cw.message: only the characters"))
        << r.err.toStdString();
    const QString link = path(QStringLiteral("link.orv"));
    ASSERT_TRUE(::link(QFile::encodeName(out).constData(), QFile::encodeName(link).constData()) ==
                0);
    r = run({"set", a, "cw.message=CQ", "--output", out});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("give --yes to write it anyway")) << r.err.toStdString();
    EXPECT_EQ(run({"set", a, "cw.message=CQ", "--output", out, "--yes"}).status, 0);

    // A changes file that cannot be read, or is no UTF-8 text, is refused before anything else.
    r = run({"apply", a, path(QStringLiteral("missing.txt"))});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("missing.txt: could not be read: ")) << r.err.toStdString();
    r = run({"apply", a, "-"}, {}, {}, QByteArray("cw.message = \xff\n"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "orvtool: standard input: the text is not UTF-8\n");

    // Every key with what it takes, without a file.
    r = run({"dump", "--keys"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("zones.base.zone-1.flag-1: on or off\n"));
    EXPECT_TRUE(r.out.contains("macros.01.review-1: shown from macros.01.command-1"));

    // Only a configuration file name is written.
    r = run({"set", a, "cw.message=CQ", "--output", path(QStringLiteral("out.bin"))});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QLatin1String(Texts::SaveNameErrorText)));
}

// Through set: the keypad's own refusals, each followed by how the value is written; apply's input
// read up to 1 MiB, a byte-order mark skipped, and at most 200 refusals named.
TEST_F(OrvtoolFields, SetTakesWhatTheKeypadTakesAndSaysHowToWriteIt) {
    const QString a = input(QStringLiteral("a.orv"), fieldImage());
    // clang-format off
    const struct { const char* argument; const char* says; } refused[] = {
        {"timers.base.repeater-time-out=30:01", "Error! Entry must be between 1 and 1800; write minutes:seconds from 00:01 to 30:00"},
        {"timers.mem2.repeater-time-out=300",   "Error! Entry must be between 1 and 1800; write minutes:seconds"},
        {"macros.01.trigger=12D",               ": the keypad takes keys 0-9, A-C, * and #, at most 7\n"},
        {"unlock.number=123",                   ": Error! Requires a 7 Digit Entry; the keypad takes keys 0-9, A-C, * and #, exactly 7"},
        {"timers.base.repeater-timeout=05:00",  ": no such key; did you mean timers.base.repeater-time-out?\n"},
    };
    // clang-format on
    for (const auto& c : refused) {
        const ToolRun r = run({"set", a, QLatin1String(c.argument)});
        EXPECT_EQ(r.status, 2) << c.argument;
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << r.err.toStdString();
    }
    EXPECT_EQ(
        run({"set", a, "timers.base.repeater-sleep=30:00", "timers.base.repeater-id=5:00"}).status,
        0);
    ToolRun r = run({"apply", a, "/dev/zero"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("/dev/zero: more than 1048576 bytes")) << r.err.toStdString();
    r = run({"apply", a, "-", "--check"}, {}, {},
            "\xEF\xBB\xBF"
            "cw.message = CQ\n");
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    QByteArray many;
    for (int n = 1; n <= 250; ++n) many += "no.such-" + QByteArray::number(n) + " = 1\n";
    r = run({"apply", a, "-"}, {}, {}, many);
    EXPECT_TRUE(
        r.err.contains("standard input:200: no.such-200: no such key\n"
                       "\u2026 and 50 more\norvtool: nothing was written\n"))
        << r.err.toStdString();
}
