// The configuration check: each rule finds its mistake, made through the field tables' stores,
// and says nothing of the same entry made right; no image makes it fail or name a key that is not
// there, and the sample has no error.
#include <QFile>
#include <algorithm>
#include <random>

#include "commands/scheduler.h"
#include "fieldcheck.h"
#include "fields/catalogue.h"
#include "fields/checker.h"

namespace {

using Check::Severity;

struct Rule {
    std::vector<std::pair<const char*, const char*>> stores;  // key, answer
    std::vector<std::pair<int, std::uint8_t>> bytes;          // written after the stores
    const char* key;                                          // the first key of the finding
    Severity severity;
    const char* says;  // part of its sentence; nullptr: no finding of that key
};

Image made(const Rule& rule, bool four) {
    Image image{};
    const Fields::FieldList& fields = Fields::catalogue(four);
    for (const auto& [key, answer] : rule.stores) {
        const auto field = std::ranges::find(fields, QLatin1String(key), &Fields::Field::key);
        EXPECT_NE(field, fields.end()) << key;
        if (field != fields.end()) field->store(image, QLatin1String(answer));
    }
    for (const auto& [offset, value] : rule.bytes) image[std::size_t(offset)] = value;
    return image;
}

// Event 1's bytes: month, day, weekday, hour, minute, opcode, argument.
std::vector<std::pair<int, std::uint8_t>> event1(std::array<std::uint8_t, 7> bytes) {
    std::vector<std::pair<int, std::uint8_t>> out;
    for (int i = 0; i < 7; ++i) out.push_back({Scheduler::eventOffset(1) + i, bytes[i]});
    return out;
}

}  // namespace

TEST(Checker, EachRuleFindsItsMistakeAndNotTheEntryMadeRight) {
    const auto m1 = [](const char* command) {
        return std::vector<std::pair<const char*, const char*>>{{"macros.01.trigger", "*1"},
                                                                {"macros.01.command-1", command}};
    };
    // clang-format off
    const Rule rules[] = {
        {m1("1112"), {}, "macros.01.command-1", Severity::Error, "reads \"Invalid Entry\""},
        {m1("1110"), {}, "macros.01.command-1", Severity::Error, nullptr},
        {m1("1350"), {}, "macros.01.command-1", Severity::Warning, "keeps reserved"},
        {m1("5011"), {}, "macros.01.command-1", Severity::Error, "names no macro"},
        {m1("5007"), {}, "macros.01.command-1", Severity::Warning, "macro 7, which has no trigger"},
        {m1("5001"), {}, "macros.01.command-1", Severity::Warning, "Macro 1 → Macro 1"},
        {m1("3014"), {}, "macros.01.command-1", Severity::Error, "names no voice message"},
        {m1("3012"), {}, "macros.01.command-1", Severity::Warning, "message 12, which is empty"},
        {{{"macros.01.trigger", "*1"}, {"macros.01.command-1", "3012"},
          {"voice.base.message-12", "005"}}, {}, "macros.01.command-1", Severity::Warning, nullptr},
        {m1("5205"), {}, "macros.01.command-1", Severity::Error, "names no memory save"},
        {m1("5202"), {}, "macros.01.command-1", Severity::Warning, "which holds no data"},
        {{{"codes.base.control-operator-code", "123"}, {"codes.base.time-request-prefix", "123"}},
         {}, "codes.base.control-operator-code", Severity::Error, "are the same keys"},
        {{{"codes.base.control-operator-code", "123"}, {"codes.base.time-request-prefix", "1234"}},
         {}, "codes.base.control-operator-code", Severity::Warning, "is the start of"},
        {{{"codes.base.control-operator-code", "123"}, {"macros.01.trigger", "123"}},
         {}, "macros.01.trigger", Severity::Error, "are the same keys"},
        {{{"codes.mem1.control-operator-code", "123"}, {"macros.01.trigger", "123"}},
         {}, "macros.01.trigger", Severity::Warning, "Memory Save #1 Control Operator Code"},
        {{}, event1({0xFF, 0x01, 0x00, 0x25, 0x00, 0x34, 0x00}), "scheduler.01.time",
         Severity::Warning, "hour 25 never comes"},
        {{}, event1({0x02, 0x30, 0x00, 0x08, 0x00, 0x34, 0x00}), "scheduler.01.day-of-month",
         Severity::Warning, "February has no day 30"},
        {{}, event1({0x02, 0x28, 0x00, 0x08, 0x00, 0x34, 0x00}), "scheduler.01.day-of-month",
         Severity::Warning, nullptr},
        {{}, event1({0xFF, 0x01, 0x00, 0x08, 0x00, 0x00, 0x00}), "scheduler.01.command",
         Severity::Warning, "runs \"No Command\""},
        {{{"speed-dial.05.identification", "005"}}, {}, "speed-dial.05.number", Severity::Warning,
         "no number"},
        {{}, {{834, 3}, {834 + 3, 0x20}}, "courtesy-tones.2.tone-2-hertz", Severity::Warning,
         "Tone 2 Hertz shows blank"},
        {{}, {{834, 3}, {834 + 3, 0x02}}, "courtesy-tones.2.tone-2-hertz", Severity::Warning,
         nullptr},
        {{}, {}, "cw.message", Severity::Note, "it is empty"},
    };
    // clang-format on
    for (const Rule& rule : rules) {
        const std::vector<Check::Finding> findings = Check::check(made(rule, true), true);
        const auto found = std::ranges::find_if(findings, [&rule](const Check::Finding& f) {
            return f.keys.value(0) == QLatin1String(rule.key) && f.severity == rule.severity;
        });
        if (!rule.says) {
            EXPECT_EQ(found, findings.end()) << rule.key << ": " << found->message.toStdString();
            continue;
        }
        ASSERT_NE(found, findings.end()) << rule.key << " " << rule.says;
        EXPECT_TRUE(found->message.contains(QString::fromUtf8(rule.says)))
            << found->message.toStdString();
    }
    // Memory save #4 is the area-code table's in the other layout.
    const Image four = made({m1("5204"), {}, "", Severity::Error, ""}, false);
    EXPECT_TRUE(std::ranges::any_of(Check::check(four, false), [](const Check::Finding& f) {
        return f.message.contains(QLatin1String("names no memory save"));
    }));
}

TEST(Checker, NeverFailsNamesOnlyKeysThereAndFindsNoErrorInTheSample) {
    std::vector<Image> images = sampleImages();
    std::mt19937 random(41);
    for (int n = 0; n < 40; ++n) {
        Image image;
        for (std::uint8_t& b : image) b = std::uint8_t(n % 2 ? random() : random() % 0x40);
        images.push_back(image);
    }
    for (bool four : {true, false}) {
        QSet<QString> keys;
        for (const Fields::Field& field : Fields::catalogue(four)) keys.insert(field.key);
        for (const Image& image : images)
            for (const Check::Finding& finding : Check::check(image, four)) {
                ASSERT_FALSE(finding.keys.isEmpty());
                for (const QString& key : finding.keys)
                    EXPECT_TRUE(keys.contains(key)) << key.toStdString();
            }
    }
    QFile file(QStringLiteral(SAMPLE_ORV));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    Image sample{};
    file.read(reinterpret_cast<char*>(sample.data()), ImageSize);
    for (const Check::Finding& finding : Check::check(sample, true))
        EXPECT_NE(finding.severity, Severity::Error) << finding.message.toStdString();
}
