// Changes written as text: read as dump writes them, stored through the field tables all or
// nothing, and a configuration's dump applied to any image gives that configuration's values.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>

#include "fieldcheck.h"
#include "fields/catalogue.h"
#include "fields/changes.h"
#include "fields/dump.h"
#include "formats/keypadrules.h"
#include "formats/vocabulary.h"

namespace {

Changes::Outcome applyText(const Image& image, const QString& text, bool four = true) {
    const Changes::Request request = Changes::readText(text);
    EXPECT_TRUE(request.refusals.empty()) << text.toStdString();
    return Changes::apply(image, request.lines, four);
}

QString dumpOf(const Image& image, bool four) { return Dump::dumpText(Dump::fields(image, four)); }

}  // namespace

TEST(Changes, LinesAreReadAsDumpWritesThem) {
    const Changes::Request text = Changes::readText(
        "# a comment\n\nspeed-dial.00.identification =  Alpha Bravo\r\ncw.message =\n"
        "no equals sign\n = 5\n");
    ASSERT_EQ(text.lines.size(), 2u);
    EXPECT_EQ(text.lines[0].number, 3);
    EXPECT_EQ(text.lines[0].value, QStringLiteral(" Alpha Bravo"));  // one space taken, one kept
    EXPECT_EQ(text.lines[1].value, QString());
    ASSERT_EQ(text.refusals.size(), 2u);
    EXPECT_EQ(text.refusals[0].line, 5);
    EXPECT_EQ(text.refusals[1].line, 6);

    const Changes::Request arguments =
        Changes::readArguments({"timers.base.repeater-time-out=05:00", "=1", "cw.message"});
    ASSERT_EQ(arguments.lines.size(), 1u);
    EXPECT_EQ(arguments.lines[0].value, QStringLiteral("05:00"));
    EXPECT_EQ(arguments.refusals.size(), 2u);
}

// Every way a line is refused, alone and all in one text: the reason names it, nothing is
// written, and a good line beside them is not written either.
TEST(Changes, EveryRefusalNamesItsLineAndWritesNothing) {
    const Image image = patternedImage();
    const Fields::FieldList& fields = Fields::catalogue(true);
    const auto refusalOf = [&](const char* key) {
        for (const Fields::Field& field : fields)
            if (field.key == QLatin1String(key)) return field.refusal;
        return QString();
    };
    // clang-format off
    const struct { const char* line; QString reason; } cases[] = {
        {"no.such.key = 1",                         "no such key"},
        {"area-codes.01 = 907",                     "not a key of the memory layout in effect (4 memory saves)"},
        {"timers.base.repeater-time-out = 99:99",   refusalOf("timers.base.repeater-time-out")},
        {"codes.base.control-operator-code = 12345678", "the keypad takes keys 0-9, A-C, * and #, at most 7"},
        {"timers.mem1.repeater-sleep = 300",        "write minutes:seconds from 00:01 to 30:00"},
        {"macros.01.review-1 = anything",           "shown from macros.01.command-1; set that instead"},
        {"user-inputs.input-1.review = anything",   "shown from user-inputs.input-1.command; set that instead"},
        {"config.dip-switch-5 = ON",                "must name the memory layout in effect (4 memory saves)"},
        {"scheduler.01.time = 24:00",               "Error! The hour must be two digits from 00 to 23"},
        {"voice.base.message-01 = The Time",        "(\"The\" is 830 or 831)"},
        {"voice.base.message-01 = Xyzzy",           "no string of vocabulary words reads \"Xyzzy\""},
        {"voice.base.message-02 = {025}",           Fields::wordsRefusal(23)},
        {"cw.message = cq",                         refusalOf("cw.message")},
        {"zones.base.zone-1.flag-1 = yes",          "not a value of this field"},
    };
    // clang-format on
    QString all = QStringLiteral("cw.message = CQ\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ASSERT_FALSE(c.reason.isEmpty());
        const Changes::Outcome alone = applyText(image, QLatin1String(c.line));
        ASSERT_EQ(alone.refusals.size(), 1u);
        EXPECT_TRUE(alone.refusals[0].reason.contains(c.reason))
            << alone.refusals[0].reason.toStdString();
        EXPECT_TRUE(alone.image == image);
        all += QLatin1String(c.line) + QLatin1Char('\n');
    }
    all += QStringLiteral("cw.message = CQ DE\n");
    const Changes::Outcome together = applyText(image, all);
    ASSERT_EQ(together.refusals.size(), std::size(cases) + 1);
    EXPECT_EQ(together.refusals.back().reason, QStringLiteral("given twice (first on line 1)"));
    EXPECT_EQ(together.refusals.front().line, 2);
    EXPECT_TRUE(together.image == image);
}

// Accepted values are stored as the editor stores them and show as written; a value equal to
// what its field shows writes nothing; "{NNN}" names a word whose text is unclear.
TEST(Changes, ValuesAreStoredAsTheEditorStoresThem) {
    const Image image = zeroImage();
    const QString text = QStringLiteral(
        "timers.base.repeater-time-out = 05:00\n"
        "cw.message = CQ DE (AR)\n"
        "speed-dial.00.number = 555,1212\n"
        "speed-dial.00.identification =  Alpha Bravo\n"
        "voice.mem2.message-03 = {831} Time\n"
        "zones.mem3.zone-2.flag-4 = on\n"
        "config.clock-announcements = 12 Hour\n"
        "timers.mem1.repeater-sleep = 00:00\n");
    const Changes::Outcome outcome = applyText(image, text);
    ASSERT_TRUE(outcome.refusals.empty()) << outcome.refusals[0].reason.toStdString();
    const QString dump = dumpOf(outcome.image, true);
    // Dump names the unclear "The" by number as the line did.
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EXPECT_TRUE(dump.contains(line + QLatin1Char('\n'))) << line.toStdString();
    // Only the bytes the changed fields may write.
    std::vector<bool> writable(ImageSize, false);
    for (const Fields::Field& field : Fields::catalogue(true))
        if (text.contains(field.key + QStringLiteral(" =")))
            for (const Fields::ByteRange& range : field.writes)
                for (int i = range.first; i < range.first + range.length; ++i) writable[i] = true;
    EXPECT_TRUE(onlyInside(image, outcome.image, writable));
    // An event is stored only as the event dialog can show it.
    const Changes::Outcome month = applyText(image, QStringLiteral("scheduler.05.month = Smarch"));
    ASSERT_EQ(month.refusals.size(), 1u);
    EXPECT_EQ(month.refusals[0].reason,
              QStringLiteral("no choice of the event dialog shows these columns"));
    // The unchanged timer wrote nothing: its bytes are still zero.
    EXPECT_TRUE(applyText(outcome.image, text).image == outcome.image);
}

// The two round trips over many images, both layouts: a file's own dump changes no byte of it;
// and a configuration made by edits through the field tables, dumped and applied to any other
// image, gives that configuration's values field for field.
TEST(Changes, ADumpAppliedAnywhereGivesItsConfiguration) {
    // The sample and kept images, the fuzz seeds, and fifty generated images of each kind.
    std::vector<Image> images = sampleImages();
    for (const Recording& recording : recordings()) images.push_back(recording.image);
    for (const QFileInfo& seed : QDir(QStringLiteral(SEED_DIR)).entryInfoList({"*.orv"})) {
        QFile file(seed.filePath());
        Image image{};
        if (file.open(QIODevice::ReadOnly) &&
            file.read(reinterpret_cast<char*>(image.data()), ImageSize) == ImageSize)
            images.push_back(image);
    }
    std::mt19937 random(22);
    for (int n = 0; n < 200; ++n) {
        Image image;
        const int kind = n % 4;  // random, small values, sparse over zero, sparse over erased
        for (std::uint8_t& b : image) {
            const std::uint8_t any = static_cast<std::uint8_t>(random());
            b = kind == 0       ? any
                : kind == 1     ? any % 13
                : random() % 20 ? (kind == 2 ? 0 : 0xFF)
                                : any;
        }
        images.push_back(image);
    }
    int ownDumps = 0, edited = 0, whole = 0, refusedLines = 0, eventEdits = 0;
    for (const bool four : {true, false}) {
        const Fields::FieldList& fields = Fields::catalogue(four);
        for (std::size_t n = 0; n < images.size(); ++n) {
            const Image& image = images[n];
            SCOPED_TRACE(testing::Message() << "image " << n << (four ? ", four" : ", three"));
            const Changes::Outcome own = applyText(image, dumpOf(image, four), four);
            EXPECT_TRUE(own.refusals.empty());
            EXPECT_TRUE(own.image == image);
            ++ownDumps;

            // Edits through the tables: values other images show, stored by the field's rule.
            Image made = zeroImage();
            for (int step = 0; step < 200; ++step) {
                const Fields::Field& field = fields[random() % fields.size()];
                const Image& other = images[random() % images.size()];
                // A scheduled event: the columns another image shows, stored together.
                if (field.storeTogether) {
                    QStringList values;
                    for (const Fields::Field& member : fields)
                        if (member.together == field.together) values << member.value(other);
                    Image trial = made;
                    if (field.storeTogether(trial, values).isEmpty() && trial != made) {
                        made = trial;
                        ++eventEdits;
                    }
                    continue;
                }
                if (!field.store || field.edit == Fields::Edit::ReadOnly) continue;
                // An edit changes what the field shows, as a line of a changes text does.
                const QString value = field.value(other);
                if (value == field.value(made)) continue;
                QString answer = field.answerFor(value);
                if (field.edit == Fields::Edit::Composer) {
                    const Fields::WordsOfText words = Fields::wordsOfText(value);
                    if (!words.problem.isEmpty()) continue;
                    answer = Fields::wordsAnswer(words.words);
                }
                Image trial = made;
                if (field.store(trial, answer) != Fields::Stored::Refused &&
                    field.value(trial) == value)
                    made = trial;
            }
            // Either every value comes across, or the refused lines are values the editor cannot
            // enter (a value shown for bytes no entry writes, like an unlock code of length 0):
            // without them the rest comes across, field for field.
            const Changes::Request wanted = Changes::readText(dumpOf(made, four));
            const Changes::Outcome applied = Changes::apply(image, wanted.lines, four);
            QSet<QString> refused;
            for (const Changes::Refusal& refusal : applied.refusals) refused.insert(refusal.key);
            std::vector<Changes::Line> rest;
            for (const Changes::Line& line : wanted.lines)
                if (!refused.contains(line.key)) rest.push_back(line);
            const Changes::Outcome second = Changes::apply(image, rest, four);
            for (const Changes::Refusal& refusal : second.refusals)
                ADD_FAILURE() << refusal.key.toStdString() << ": " << refusal.reason.toStdString();
            const std::vector<Dump::Field> got = Dump::fields(second.image, four);
            const std::vector<Dump::Field> want = Dump::fields(made, four);
            for (std::size_t i = 0; i < got.size(); ++i) {
                if (refused.contains(want[i].key)) continue;
                EXPECT_EQ(got[i].value, want[i].value) << want[i].key.toStdString();
            }
            if (applied.refusals.empty()) {
                EXPECT_EQ(dumpOf(applied.image, four), dumpOf(made, four));
                ++whole;
            }
            refusedLines += int(refused.size());
            ++edited;
        }
    }
    RecordProperty("ownDumps", ownDumps);
    RecordProperty("editedConfigurations", edited);
    RecordProperty("cameAcrossWhole", whole);
    RecordProperty("refusedLines", refusedLines);
    RecordProperty("eventEdits", eventEdits);
    EXPECT_GT(eventEdits, 100);
    EXPECT_GT(whole, 0);
    EXPECT_GT(ownDumps, 400);
}

// A word string written by dump reads back as its words, whatever words it holds: texts that
// are unclear alone ("The") or together, and words without a text, are named by number.
TEST(Changes, WrittenWordsReadBackAsTheirWords) {
    QStringList vocabulary;
    for (const Vocabulary::WordEntry& entry : Vocabulary::wordTable())
        vocabulary << Vocabulary::wordNumberText(Vocabulary::wordNumber(entry.code));
    std::mt19937 random(7);
    int escaped = 0;
    for (int n = 0; n < 2000; ++n) {
        QStringList words;
        for (int k = int(random() % 24); k > 0; --k)
            words << vocabulary[random() % vocabulary.size()];
        const QString written = Fields::writtenWords(words);
        escaped += written.contains(QLatin1Char('{'));
        const Fields::WordsOfText read = Fields::wordsOfText(written);
        EXPECT_TRUE(read.problem.isEmpty()) << written.toStdString();
        EXPECT_EQ(read.words, words) << written.toStdString();
    }
    EXPECT_GT(escaped, 0);
    EXPECT_EQ(Fields::writtenWords({"830", "838"}), QStringLiteral("{830} Time"));
    EXPECT_EQ(Fields::writtenWords({"225", QString()}), QStringLiteral("Alpha {?}"));
}

// A store writes what its dialog writes for the entry, bytes it rewrites beside the field included
// (an event's weekday byte, prefix group 0, the other configuration byte), and nothing else.
TEST(Changes, StoresWriteWhatTheirDialogWrites) {
    using Bytes = std::vector<std::pair<int, std::vector<int>>>;  // runs: offset, bytes
    // clang-format off
    const struct { Bytes before; const char* lines; Bytes after; bool four = true; } cases[] = {
        {{}, "pre-dial.number = 9,", {{1140, {2, 9, 0, 0, 0, 0, 0, 0}}}},
        {{{32, {7, 1, 2, 3, 4, 5, 6, 7}}}, "unlock.number = DDDDDDD", {{32, {7, 0, 0, 0, 0, 0, 0, 0}}}},
        {{}, "timers.base.repeater-time-out = 5:00", {{178, {0x2C, 0x01}}}},
        // Daily, then Tuesday: the weekday list keeps Sunday or Tuesday selected.
        {{{4298, {0xFF, 0, 0, 8, 0, 0x11, 0x10}}}, "scheduler.01.month = December\n"
         "scheduler.01.day-of-month = 25\nscheduler.01.day-of-week = ----", {{4298, {0x12, 0x25, 1}}}},
        {{{4298, {0xFF, 0, 3, 8, 0, 0x11, 0x10}}}, "scheduler.01.month = May\n"
         "scheduler.01.day-of-month = 1\nscheduler.01.day-of-week = ----", {{4298, {0x05, 0x01, 3}}}},
        // A month event opens with no weekday selected, also when only its time changes.
        {{{4298, {0x12, 0x25, 5, 8, 0, 0x11, 0x10}}}, "scheduler.01.time = 09:00", {{4298, {0x12, 0x25, 0, 9}}}},
        // Group 0 (a line count of 5 over empty entries) is written before prefix 47's group.
        {{{7008, {5}}}, "prefixes.47 = 555", {{7008, {0}}, {7152, {1, 0, 0, 0, 0, 0, 0, 5, 5, 5}}}, false},
        {{{1094, {0, 5}}}, "config.dvr-type = VOXA-5", {{1094, {1, 1}}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        Image image = zeroImage();
        const auto put = [&image](const Bytes& runs) {
            for (const auto& [offset, bytes] : runs)
                std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
        };
        put(c.before);
        const Changes::Outcome outcome = applyText(image, QLatin1String(c.lines), c.four);
        ASSERT_TRUE(outcome.refusals.empty()) << outcome.refusals[0].reason.toStdString();
        put(c.after);
        for (int i = 0; i < ImageSize; ++i) EXPECT_EQ(outcome.image[i], image[i]) << "byte " << i;
    }
}

// Whatever value a line gives a keypad field, an accepted one is an entry the keypad hands back
// after OK for the entry the field opens it with, or the value the field shows already.
TEST(Changes, AnAcceptedKeypadValueIsOneTheKeypadTakes) {
    const std::vector<Image> images = sampleImages();
    const QString keys = QStringLiteral("0123456789ABCD*#,:.");
    std::mt19937 random(35);
    int accepted = 0, refused = 0;
    for (const bool four : {true, false}) {
        for (const Fields::Field& field : Fields::catalogue(four)) {
            if (field.edit != Fields::Edit::Keypad) continue;
            for (int n = 0; n < 12; ++n) {
                const Image& image = images[random() % images.size()];
                // Values other images show, and keys and marks at random.
                QString value = field.value(images[random() % images.size()]);
                if (n % 2)
                    for (value.clear(); value.size() < int(random() % 9);)
                        value += keys.at(random() % keys.size());
                if (value == field.value(image)) continue;
                if (!Changes::apply(image, {{1, field.key, value}}, four).refusals.empty()) {
                    ++refused;
                    continue;
                }
                ++accepted;
                const std::optional<QString> answer = field.writtenAnswer(value);
                EXPECT_TRUE(answer && !Keypad::accepts(field.request(image), *answer))
                    << field.key.toStdString() << " = " << value.toStdString();
            }
        }
    }
    EXPECT_GT(accepted, 500);
    EXPECT_GT(refused, 500);
}
