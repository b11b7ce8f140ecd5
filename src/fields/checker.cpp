#include "fields/checker.h"

#include <QHash>
#include <algorithm>
#include <functional>
#include <optional>

#include "codes/codefields.h"
#include "codes/controlcodes.h"
#include "codes/speeddial.h"
#include "codes/telephonecodes.h"
#include "commands/commandfields.h"
#include "commands/macros.h"
#include "commands/scheduler.h"
#include "core/regions.h"
#include "devices/courtesytones.h"
#include "devices/devicefields.h"
#include "devices/switchesandinputs.h"
#include "fields/catalogue.h"
#include "fields/overview.h"
#include "formats/calendar.h"
#include "formats/commands.h"
#include "formats/cwcode.h"
#include "memory/memoryblocks.h"
#include "voice/voicefields.h"
#include "voice/voicemessages.h"

namespace Check {

namespace {

// The key of a field of an area: the area's key word, then the words below it.
QString key(const char* area, const QString& rest) {
    return QLatin1String(area) + QLatin1Char('.') + rest;
}

// A command the controller runs: where it is written and the key of its field.
struct Site {
    QString place;  // "Macro 3, command 2"
    QString key;
    int macro = 0;  // the macro that holds it, 0 for an event or an input
    std::uint8_t opcode = 0;
    std::uint8_t argument = 0;
};

QString macroKey(int n, const QString& field) {
    return key(CommandFields::MacrosKey, Fields::twoDigits(n) + QLatin1Char('.') + field);
}

// Each key's place in the catalogue of a layout, made once: the check looks fields up by key and
// lists its findings in catalogue order.
const QHash<QString, int>& keyIndex(bool four) {
    const auto make = [](bool layout) {
        QHash<QString, int> index;
        const Fields::FieldList& fields = Fields::catalogue(layout);
        for (std::size_t i = 0; i < fields.size(); ++i) index.insert(fields[i].key, int(i));
        return index;
    };
    static const QHash<QString, int> three = make(false), fourSaves = make(true);
    return four ? fourSaves : three;
}

bool macroInUse(const Image& image, int n) { return image[std::size_t(Macros::macroOffset(n))]; }

bool eventInUse(const Image& image, int n) {
    return image[std::size_t(Scheduler::eventOffset(n) + Scheduler::MonthByte)] !=
           Scheduler::Erased;
}

// Every command of a record in use: macros with a trigger, events not erased, inputs whose opcode
// is not 0.
std::vector<Site> commandSites(const Image& image) {
    std::vector<Site> sites;
    for (int n = 1; n <= Macros::Count; ++n) {
        if (!macroInUse(image, n)) continue;
        for (int k = 1; k <= Macros::CommandsPerMacro; ++k) {
            const int at = Macros::commandOffset(n, k);
            sites.push_back({QStringLiteral("Macro %1, command %2").arg(n).arg(k),
                             macroKey(n, QStringLiteral("command-%1").arg(k)), n,
                             image[std::size_t(at)], image[std::size_t(at + 1)]});
        }
    }
    for (int n = 1; n <= Scheduler::EventCount; ++n) {
        if (!eventInUse(image, n)) continue;
        const int at = Scheduler::eventOffset(n);
        sites.push_back(
            {QStringLiteral("Event %1").arg(n),
             key(CommandFields::SchedulerKey, Fields::twoDigits(n) + QStringLiteral(".command")), 0,
             image[std::size_t(at + Scheduler::OpcodeByte)],
             image[std::size_t(at + Scheduler::ArgumentByte)]});
    }
    for (int input = 0; input < UserInputs::Count; ++input) {
        const int at = UserInputs::inputOffset(input);
        if (!image[std::size_t(at)]) continue;
        sites.push_back(
            {QStringLiteral("Input %1").arg(input + 1),
             key(DeviceFields::UserInputsKey, QStringLiteral("input-%1.command").arg(input + 1)), 0,
             image[std::size_t(at)], image[std::size_t(at + 1)]});
    }
    return sites;
}

// The number a "Play Voice Message N" or "Execute Macro N" shows; nothing when it is not a
// decimal number.
std::optional<int> shownNumber(std::uint8_t argument) {
    const QString digits = QString::number(argument, 16).toUpper();
    bool decimal = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    return decimal ? std::optional<int>(digits.toInt()) : std::nullopt;
}

class Checker {
public:
    Checker(const Image& image, bool four) : m_image(image), m_four(four) {}

    std::vector<Finding> run() {
        const std::vector<Site> sites = commandSites(m_image);
        for (const Site& site : sites) commandRules(site);
        loops(sites);
        codes();
        events();
        leftovers();
        return std::move(m_findings);
    }

private:
    void add(Severity severity, QStringList keys, const QString& message) {
        m_findings.push_back({severity, std::move(keys), message});
    }

    QString fieldText(const QString& key) const {
        const int at = keyIndex(m_four).value(key, -1);
        return at < 0 ? QString() : Fields::catalogue(m_four)[std::size_t(at)].text(m_image);
    }

    void commandRules(const Site& site) {
        using namespace Commands;
        const QString text = commandText(site.opcode, site.argument);
        const QString digits = commandDigits(site.opcode, site.argument);
        if (text == QLatin1String(InvalidEntry)) {
            add(Severity::Error, {site.key},
                QStringLiteral("%1: %2 reads \"%3\" (no command of the catalogue)")
                    .arg(site.place, digits, text));
            return;
        }
        if (text.startsWith(QLatin1String(Reserved)))
            add(Severity::Warning, {site.key},
                QStringLiteral("%1: %2 reads \"%3\", a command the catalogue keeps reserved")
                    .arg(site.place, digits, text));
        const int pair = site.opcode & 0xFE;
        const std::optional<int> n = shownNumber(site.argument);
        if (pair == 0x50) {
            if (!n || *n < 1 || *n > Macros::Count) {
                add(Severity::Error, {site.key},
                    QStringLiteral("%1: \"%2\" names no macro (there are macros 1 to %3)")
                        .arg(site.place, text)
                        .arg(Macros::Count));
            } else if (!macroInUse(m_image, *n)) {
                add(Severity::Warning, {site.key, macroKey(*n, QStringLiteral("trigger"))},
                    QStringLiteral("%1: \"%2\" runs macro %3, which has no trigger (not in use)")
                        .arg(site.place, text)
                        .arg(*n));
            }
        } else if (pair == 0x30) {
            if (!n || *n < 1 || *n > VoiceMessages::Count) {
                add(Severity::Error, {site.key},
                    QStringLiteral("%1: \"%2\" names no voice message (there are messages 1 to "
                                   "%3)")
                        .arg(site.place, text)
                        .arg(VoiceMessages::Count));
                return;
            }
            const auto message = [&n](int block) {
                return key(VoiceFields::Key,
                           QStringLiteral("%1.message-%2")
                               .arg(Fields::blockKey(block), Fields::twoDigits(*n)));
            };
            if (!fieldText(message(0)).trimmed().isEmpty()) return;
            QStringList others;
            for (int block = 1; block <= lastBlock(); ++block)
                if (!fieldText(message(block)).trimmed().isEmpty())
                    others << Overview::blockTitle(block);
            add(Severity::Warning, {site.key, message(0)},
                QStringLiteral("%1: \"%2\" plays message %3, which is empty in Base%4")
                    .arg(site.place, text)
                    .arg(*n)
                    .arg(others.isEmpty() ? QString()
                                          : QStringLiteral(" (it is not in %1)")
                                                .arg(others.join(QStringLiteral(", ")))));
        } else if (pair == 0x52) {
            if (!n || *n < 1 || *n > lastBlock()) {
                add(Severity::Error, {site.key},
                    QStringLiteral("%1: \"%2\" names no memory save (there are saves 1 to %3 in "
                                   "this memory layout)")
                        .arg(site.place, text)
                        .arg(lastBlock()));
            } else if (!MemoryBlocks::holdsData(m_image, MemorySaveRow + *n)) {
                add(Severity::Warning, {site.key},
                    QStringLiteral("%1: \"%2\" loads memory save #%3, which holds no data")
                        .arg(site.place, text)
                        .arg(*n));
            }
        } else if (site.opcode >= FirstSpeakOpcode && site.opcode <= LastSpeakOpcode &&
                   text.isEmpty()) {
            add(Severity::Warning, {site.key},
                QStringLiteral("%1: %2 speaks a word that has no text in the vocabulary")
                    .arg(site.place, digits));
        }
    }

    // Macros that execute each other in a circle, each circle once, from its lowest macro.
    void loops(const std::vector<Site>& sites) {
        std::vector<std::vector<std::pair<int, QString>>> calls(Macros::Count + 1);
        for (const Site& site : sites) {
            const std::optional<int> n = shownNumber(site.argument);
            if (site.macro && (site.opcode & 0xFE) == 0x50 && n && *n >= 1 && *n <= Macros::Count &&
                macroInUse(m_image, *n))
                calls[std::size_t(site.macro)].push_back({*n, site.key});
        }
        for (int start = 1; start <= Macros::Count; ++start) {
            std::vector<int> path{start};
            QStringList keys;
            const std::function<void(int)> walk = [&](int macro) {
                for (const auto& [next, key] : calls[std::size_t(macro)]) {
                    if (next < start) continue;
                    keys << key;
                    if (next == start) {
                        QStringList names;
                        for (int m : path) names << QStringLiteral("Macro %1").arg(m);
                        names << QStringLiteral("Macro %1").arg(start);
                        add(Severity::Warning, keys,
                            QStringLiteral("%1: the controller may repeat them without end")
                                .arg(names.join(QStringLiteral(" → "))));
                    } else if (std::find(path.begin(), path.end(), next) == path.end()) {
                        path.push_back(next);
                        walk(next);
                        path.pop_back();
                    }
                    keys.removeLast();
                }
            };
            walk(start);
        }
    }

    void codes() {
        // The control codes of each block (the unlock number counts as one of Base's) and the
        // triggers of the macros in use; empty ones are not compared.
        struct Code {
            QString keys;
            QString key;
            QString name;
        };
        const auto codesOf = [this](int block) {
            std::vector<Code> list;
            for (int k = 0; k < Region::Rel::CodeCount; ++k)
                list.push_back({Codes::codeText(m_image, block, k).trimmed(),
                                key(CodeFields::ControlCodesKey,
                                    QStringLiteral("%1.%2").arg(Fields::blockKey(block),
                                                                QLatin1String(Codes::Rows[k].key))),
                                QStringLiteral("%1 %2").arg(Overview::blockTitle(block),
                                                            QLatin1String(Codes::Rows[k].label))});
            if (block == 0)
                list.push_back({Unlock::text(m_image).trimmed(),
                                key(CodeFields::UnlockKey, QStringLiteral("number")),
                                QLatin1String(Unlock::Caption)});
            std::erase_if(list, [](const Code& c) { return c.keys.isEmpty(); });
            return list;
        };
        std::vector<Code> triggers;
        for (int n = 1; n <= Macros::Count; ++n) {
            const QString keys = Macros::macroRow(m_image, n).trigger.trimmed();
            if (macroInUse(m_image, n) && !keys.isEmpty())
                triggers.push_back({keys, macroKey(n, QStringLiteral("trigger")),
                                    QStringLiteral("Macro %1's trigger").arg(n)});
        }
        const auto compare = [this](const std::vector<Code>& a, const std::vector<Code>& b,
                                    bool same, Severity equal, bool starts) {
            for (std::size_t i = 0; i < a.size(); ++i)
                for (std::size_t j = same ? i + 1 : 0; j < b.size(); ++j) {
                    const Code& x = a[i];
                    const Code& y = b[j];
                    if (x.keys == y.keys) {
                        add(equal, {x.key, y.key},
                            QStringLiteral("%1 and %2 are the same keys, %3")
                                .arg(x.name, y.name, x.keys));
                    } else if (starts && (y.keys.startsWith(x.keys) || x.keys.startsWith(y.keys))) {
                        const Code& shorter = x.keys.size() < y.keys.size() ? x : y;
                        const Code& longer = &shorter == &x ? y : x;
                        add(Severity::Warning, {shorter.key, longer.key},
                            QStringLiteral("%1 (%2) is the start of %3 (%4): it may act before "
                                           "the longer one is complete")
                                .arg(shorter.name, shorter.keys, longer.name, longer.keys));
                    }
                }
        };
        const std::vector<Code> base = codesOf(0);
        compare(base, base, true, Severity::Error, true);
        for (int block = 1; block <= lastBlock(); ++block) {
            const std::vector<Code> save = codesOf(block);
            compare(save, save, true, Severity::Error, true);
            compare(triggers, save, false, Severity::Warning, false);
        }
        compare(triggers, triggers, true, Severity::Error, false);
        compare(triggers, base, false, Severity::Error, true);
    }

    void events() {
        using namespace Scheduler;
        static constexpr int DaysIn[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int n = 1; n <= EventCount; ++n) {
            const std::optional<EventTexts> e = eventTexts(m_image, n);
            if (!e) continue;
            const QString place = QStringLiteral("Event %1").arg(n);
            const QString key =
                ::Check::key(CommandFields::SchedulerKey, Fields::twoDigits(n) + QLatin1Char('.'));
            bool ok = false;
            const int hour = e->hour.toInt(&ok);
            if (!e->everyHour && (!ok || hour > 23))
                add(Severity::Warning, {key + QStringLiteral("time")},
                    QStringLiteral("%1: the hour %2 never comes (00 to 23)").arg(place, e->hour));
            const int minute = e->minute.toInt(&ok);
            if (!ok || minute > 59)
                add(Severity::Warning, {key + QStringLiteral("time")},
                    QStringLiteral("%1: the minute %2 never comes (00 to 59)")
                        .arg(place, e->minute));
            const QString error = QLatin1String(Calendar::Error);
            if (e->byWeekday && e->weekday == error)
                add(Severity::Warning, {key + QStringLiteral("day-of-week")},
                    QStringLiteral("%1: its day of the week reads \"Error\"").arg(place));
            if (!e->byWeekday && e->month == error)
                add(Severity::Warning, {key + QStringLiteral("month")},
                    QStringLiteral("%1: its month reads \"Error\"").arg(place));
            if (!e->byWeekday && e->month != error) {
                const int month = int(std::find_if(Calendar::Months.begin(), Calendar::Months.end(),
                                                   [&e](const Calendar::Month& m) {
                                                       return QLatin1String(m.name) == e->month;
                                                   }) -
                                      Calendar::Months.begin());
                const int day = e->dayOfMonth.toInt(&ok);
                if (!ok || day < 1 || day > DaysIn[month])
                    add(Severity::Warning, {key + QStringLiteral("day-of-month")},
                        QStringLiteral("%1: %2 has no day %3").arg(place, e->month, e->dayOfMonth));
            }
            const std::uint8_t* bytes = m_image.data() + eventOffset(n);
            if (commandText(bytes[OpcodeByte], bytes[ArgumentByte]) ==
                QLatin1String(Commands::NoCommand))
                add(Severity::Warning, {key + QStringLiteral("command")},
                    QStringLiteral("%1: it runs \"No Command\"").arg(place));
        }
    }

    void leftovers() {
        for (int n = 0; n < Region::UserSpeedDialCount; ++n) {
            // Words stored while the number has no digits (the dialog then shows neither).
            const int record = SpeedDial::userOffset(n);
            if (SpeedDial::identificationField(record).storedCount(m_image) > 0 &&
                SpeedDial::numberField(record).digitCount(m_image) == 0)
                add(Severity::Warning,
                    {key(CodeFields::SpeedDialKey,
                         Fields::twoDigits(n) + QStringLiteral(".number"))},
                    QStringLiteral("Speed Dial %1: it has an identification but no number")
                        .arg(Fields::twoDigits(n)));
        }
        // A courtesy tone in use (tone 1 not blank) whose field shows blank: its byte is no code
        // of the frequency or time table.
        for (int row = 0; row < CourtesyTones::RowCount; ++row) {
            const int at = CourtesyTones::toneOffset(row);
            if (!m_image[std::size_t(at)]) continue;
            const std::array<QString, CourtesyTones::FieldCount> texts =
                CourtesyTones::rowTexts(m_image, row);
            for (int f = 0; f < CourtesyTones::FieldCount; ++f) {
                if (!texts[std::size_t(f)].isEmpty()) continue;
                const CourtesyTones::FieldInfo& field = CourtesyTones::Fields[std::size_t(f)];
                const bool frequency = field.kind == CourtesyTones::FieldKind::Frequency;
                add(Severity::Warning,
                    {key(DeviceFields::CourtesyTonesKey,
                         QStringLiteral("%1.%2").arg(row + 1).arg(QLatin1String(field.key)))},
                    QStringLiteral("Courtesy Tone %1: its %2 %3 shows blank, as its byte %4 is "
                                   "no code of the %5 table")
                        .arg(row + 1)
                        .arg(QLatin1String(field.group),
                             QLatin1String(frequency ? CourtesyTones::FrequencyUnit
                                                     : CourtesyTones::TimeUnit),
                             commandByteDigits(m_image[std::size_t(at + f)]),
                             frequency ? QStringLiteral("tone") : QStringLiteral("time")));
            }
        }
        if (m_image[std::size_t(Cw::MessageOffset)] == 0)
            add(Severity::Note, {key(DeviceFields::CwKey, QStringLiteral("message"))},
                QStringLiteral("CW Message: it is empty, so the controller identifies with "
                               "nothing in Morse"));
        for (int block = 1; block <= lastBlock(); ++block) {
            const auto begin = m_image.begin() + Region::blockStart(block);
            const auto end = begin + Region::BlockSize;
            const bool zero = std::all_of(begin, end, [](std::uint8_t b) { return b == 0; });
            const bool erased = std::all_of(begin, end, [](std::uint8_t b) { return b == 0xFF; });
            if (zero || erased)
                add(Severity::Note,
                    {key(DeviceFields::TimersKey,
                         Fields::blockKey(block) + QStringLiteral(".repeater-time-out"))},
                    QStringLiteral("%1: every byte is %2, so it holds no configuration")
                        .arg(Overview::blockTitle(block),
                             zero ? QStringLiteral("0") : QStringLiteral("erased (FF)")));
        }
    }

    int lastBlock() const { return Region::memorySaves(m_four); }

    // The flush rows of memory saves #1..#4 end the flush table: #n's is this plus n.
    static constexpr int MemorySaveRow = MemoryBlocks::FlushRowCount - 1 - Region::MemorySaveCount;
    static_assert(MemoryBlocks::FlushRows[MemorySaveRow + 1].first == Region::blockStart(1));

    const Image& m_image;
    const bool m_four;
    std::vector<Finding> m_findings;
};

// The codes a block answers to, with what they are called: its control codes, the unlock number in
// Base, and the triggers of the macros in use (with the macro's number).
struct Answer {
    QString keys;
    QString name;
    int macro = 0;
};

std::vector<Answer> answers(const Image& image, int block) {
    std::vector<Answer> list;
    for (int k = 0; k < Region::Rel::CodeCount; ++k)
        list.push_back(
            {Codes::codeText(image, block, k).trimmed(), QLatin1String(Codes::Rows[k].label)});
    if (block == 0) list.push_back({Unlock::text(image).trimmed(), QLatin1String(Unlock::Caption)});
    for (int n = 1; n <= Macros::Count; ++n)
        if (macroInUse(image, n))
            list.push_back({Macros::macroRow(image, n).trigger.trimmed(),
                            QStringLiteral("Macro %1").arg(n), n});
    std::erase_if(list, [](const Answer& a) { return a.keys.isEmpty(); });
    return list;
}

}  // namespace

QStringList whatKeysDo(const Image& image, const QString& keys, int block) {
    const QString typed = keys.trimmed().toUpper();
    if (typed.isEmpty()) return {};
    QStringList exact, longer, begun;
    for (const Answer& a : answers(image, block)) {
        QString line = QStringLiteral("%1 (%2)").arg(a.name, a.keys);
        if (a.macro) {
            QStringList reviews;
            for (int k = 1; k <= Macros::CommandsPerMacro; ++k) {
                const int at = Macros::commandOffset(a.macro, k);
                const QString text =
                    commandText(image[std::size_t(at)], image[std::size_t(at + 1)]);
                if (text != QLatin1String(Commands::NoCommand)) reviews << text;
            }
            line += QStringLiteral(": ") + (reviews.isEmpty() ? QLatin1String(Commands::NoCommand)
                                                              : reviews.join(QStringLiteral("; ")));
        }
        if (a.keys == typed)
            exact << line;
        else if (a.keys.startsWith(typed))
            longer << QStringLiteral("begins %1").arg(line);
        else if (typed.startsWith(a.keys))
            begun << QStringLiteral("%1 + %2").arg(line, typed.mid(a.keys.size()));
    }
    return exact + begun + longer;
}

QString severityWord(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return QStringLiteral("error");
        case Severity::Warning:
            return QStringLiteral("warning");
        case Severity::Note:
            return QStringLiteral("note");
    }
    return {};
}

std::vector<Finding> check(const Image& image, bool fourMemorySaves) {
    std::vector<Finding> findings = Checker(image, fourMemorySaves).run();
    // In the order of the fields they concern, as orvtool lists them.
    const QHash<QString, int>& order = keyIndex(fourMemorySaves);
    std::stable_sort(findings.begin(), findings.end(),
                     [&order](const Finding& a, const Finding& b) {
                         return order.value(a.keys.value(0), -1) < order.value(b.keys.value(0), -1);
                     });
    return findings;
}

}  // namespace Check
