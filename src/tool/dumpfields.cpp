#include "tool/dumpfields.h"

#include <algorithm>
#include <initializer_list>

#include "app/memoryblocks.h"
#include "codes/controlcodes.h"
#include "codes/speeddial.h"
#include "codes/telephonecodes.h"
#include "commands/macros.h"
#include "commands/scheduler.h"
#include "core/regions.h"
#include "core/settings.h"
#include "devices/courtesytones.h"
#include "devices/switchesandinputs.h"
#include "devices/timers.h"
#include "devices/zones.h"
#include "formats/cwcode.h"
#include "formats/dtmfcodec.h"
#include "report/reporttexts.h"
#include "voice/voicemessages.h"

namespace Dump {

namespace {

QString latin(const char* text) { return QString::fromLatin1(text); }

// Two digits, so the numbered records of an area keep their order in a sorted listing.
QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString onOff(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }

class FieldList {
public:
    void add(const QString& key, const QString& value, std::initializer_list<ByteRange> bytes) {
        m_fields.push_back({key, value, bytes});
    }
    std::vector<Field> take() { return std::move(m_fields); }

private:
    std::vector<Field> m_fields;
};

// The blocks that have editors: memory save #4 only in the four-saves layout.
std::vector<int> blocks(bool fourMemorySaves) {
    std::vector<int> list;
    const int last = fourMemorySaves ? Region::MemorySaveCount : Region::MemorySaveCount - 1;
    for (int block = 0; block <= last; ++block) list.push_back(block);
    return list;
}

// The repeater configuration dialog: the layout comes from the settings, the rest from the image.
void addConfig(FieldList& out, const Image& image, bool fourMemorySaves) {
    using namespace MemoryBlocks;
    Settings settings;
    settings.memory4 = fourMemorySaves ? QStringLiteral("1") : QStringLiteral("0");
    const ConfigChoices choices = readConfig(image, settings);
    const auto key = [](const OptionGroup& group) {
        return QStringLiteral("config.") + keyWord(latin(group.frame));
    };
    out.add(key(MemoryLayoutGroup), latin(MemoryLayoutGroup.options[choices.memoryLayout]), {});
    out.add(key(ClockGroup), latin(ClockGroup.options[choices.clock]),
            {{Region::ClockAnnouncements, 1}});
    out.add(key(RecorderGroup), latin(RecorderGroup.options[choices.recorder]),
            {{Region::VoiceRecorderType, 1}});
}

void addSingleNumbers(FieldList& out, const Image& image) {
    out.add(QStringLiteral("unlock.number"), Unlock::text(image),
            {{Region::UnlockNumber, Codec::DigitFieldSize}});
    out.add(QStringLiteral("pre-dial.number"), PreDial::text(image),
            {{Region::PreDialNumber, Codec::DigitFieldSize}});
}

void addCodes(FieldList& out, const Image& image, bool fourMemorySaves) {
    for (int block : blocks(fourMemorySaves))
        for (int k = 0; k < Region::Rel::CodeCount; ++k) {
            const int offset = Codes::codeOffset(block, k);
            out.add(QStringLiteral("codes.%1.%2")
                        .arg(blockKey(block), keyWord(latin(Codes::Rows[k].label))),
                    digitFieldText(image, offset, Codes::CodeKeyLimit),
                    {{offset, Codec::DigitFieldSize}});
        }
}

void addTimers(FieldList& out, const Image& image, bool fourMemorySaves) {
    for (int block : blocks(fourMemorySaves))
        for (int i = 0; i < TimerCount; ++i) {
            const int offset = timerOffset(block, i);
            out.add(QStringLiteral("timers.%1.%2").arg(blockKey(block), keyWord(timerLabel(i))),
                    timerText(timerCount(image, offset), TimerTable[i].kind),
                    {{offset, Region::Rel::TimerEntry}});
        }
}

void addVoice(FieldList& out, const Image& image, bool fourMemorySaves) {
    using namespace VoiceMessages;
    for (int block : blocks(fourMemorySaves))
        for (int m = 1; m <= Count; ++m)
            out.add(QStringLiteral("voice.%1.message-%2").arg(blockKey(block), twoDigits(m)),
                    messageText(image, block, m),
                    {{messageOffset(block, m), 1 + Vocabulary::StoredWordSize * WordLimit}});
}

void addZones(FieldList& out, const Image& image, bool fourMemorySaves) {
    for (int block : blocks(fourMemorySaves))
        for (int zone = 1; zone <= ZoneCount; ++zone) {
            const int offset = firstZoneOffset(block) + zone - 1;
            for (int flag = 1; flag <= FlagsPerZone; ++flag)
                out.add(QStringLiteral("zones.%1.%2.flag-%3")
                            .arg(blockKey(block), keyWord(zoneTabCaption(zone)))
                            .arg(flag),
                        onOff(bitValue(image[offset], flag - 1) == 1), {{offset, 1}});
        }
}

// The macro grid and, for each command, the review dialog's text.
void addMacros(FieldList& out, const Image& image) {
    using namespace Macros;
    for (int n = 1; n <= Count; ++n) {
        const QString key = QStringLiteral("macros.") + twoDigits(n);
        const MacroRow row = macroRow(image, n);
        // The grid shows nothing of a macro whose trigger length byte is 0.
        const ByteRange lengthByte = {macroOffset(n), 1};
        out.add(key + QStringLiteral(".trigger"), row.trigger,
                {{macroOffset(n), Codec::DigitFieldSize}});
        for (int k = 1; k <= CommandsPerMacro; ++k)
            out.add(key + QStringLiteral(".command-%1").arg(k), row.commands[k - 1],
                    {lengthByte, {commandOffset(n, k), Codec::PackedCommandSize}});
        for (int k = 1; k <= CommandsPerMacro; ++k)
            out.add(key + QStringLiteral(".review-%1").arg(k), reviewText(image, n, k),
                    {{commandOffset(n, k), Codec::PackedCommandSize}});
    }
}

// The scheduler overview's columns, named as the report heads them, and the event dialog's
// command review, which that dialog hides for an erased event.
void addScheduler(FieldList& out, const Image& image) {
    using namespace Scheduler;
    const auto& heads = ReportTexts::SchedulerHeadings;
    static_assert(ReportTexts::SchedulerHeadings.size() == 5);
    for (int n = 1; n <= EventCount; ++n) {
        const QString key = QStringLiteral("scheduler.") + twoDigits(n) + QLatin1Char('.');
        const OverviewRow row = overviewRow(image, n);
        const ByteRange event = {eventOffset(n), EventSize};
        const QString columns[] = {row.time, row.dayOfWeek, row.month, row.dayOfMonth, row.command};
        for (int c = 0; c < 5; ++c)
            out.add(key + keyWord(latin(heads[c].text)), columns[c], {event});
        const EventEditor editor(image, n);
        out.add(key + QStringLiteral("review"), editor.erased() ? QString() : editor.reviewText(),
                {{eventOffset(n) + MonthByte, 1},
                 {eventOffset(n) + OpcodeByte, Codec::PackedCommandSize}});
    }
}

void addSpeedDialEntry(FieldList& out, const QString& key, const SpeedDial::EntryText& shown,
                       int record) {
    // Both texts show only for a digit count the dialog accepts.
    const ByteRange count = {record, 1};
    out.add(key + QStringLiteral(".number"), shown.number, {{record, Codec::TelNumSize}});
    out.add(key + QStringLiteral(".identification"), shown.identification,
            {count, {record + SpeedDial::IdentificationStart, SpeedDial::IdentificationSize}});
}

void addSpeedDials(FieldList& out, const Image& image) {
    using namespace SpeedDial;
    for (int n = 0; n < Region::UserSpeedDialCount; ++n)
        addSpeedDialEntry(out, QStringLiteral("speed-dial.") + twoDigits(n), userEntry(image, n),
                          userOffset(n));
    for (int k = 0; k < EmergencyCount; ++k)
        addSpeedDialEntry(out, QStringLiteral("emergency-speed-dial.%1").arg(k),
                          emergencyEntry(image, k), emergencyOffset(k));
}

// The tables that take the place of memory save #4 in the other layout.
void addAreaCodesAndPrefixes(FieldList& out, const Image& image) {
    for (int i = 0; i < AreaCodes::Count; ++i)
        out.add(QStringLiteral("area-codes.") + twoDigits(i + 1), AreaCodes::text(image, i),
                {{AreaCodes::entryOffset(i), Codec::ThreeDigitSize}});
    for (int n = 0; n < Prefixes::PerGroup * Region::PrefixGroupCount; ++n)
        out.add(QStringLiteral("prefixes.") + twoDigits(n), Prefixes::text(image, n),
                {{Prefixes::entryOffset(n), Codec::ThreeDigitSize}});
}

// Each field named by its column group and unit captions ("tone-1-hertz", "dly-1-msec").
void addCourtesyTones(FieldList& out, const Image& image) {
    using namespace CourtesyTones;
    for (int row = 0; row < RowCount; ++row) {
        const std::array<QString, FieldCount> texts = rowTexts(image, row);
        for (int f = 0; f < FieldCount; ++f) {
            const char* unit = Fields[f].kind == FieldKind::Frequency ? FrequencyUnit : TimeUnit;
            out.add(QStringLiteral("courtesy-tones.%1.%2")
                        .arg(row + 1)
                        .arg(keyWord(latin(Fields[f].group) + QLatin1Char(' ') + latin(unit))),
                    texts[f], {{toneOffset(row), 1}, {toneOffset(row) + f, 1}});
        }
    }
}

void addCwMessage(FieldList& out, const Image& image) {
    // A count above 31 reads on into the following bytes, as the dialog does.
    const int length = std::min(1 + image[Cw::MessageOffset], ImageSize - Cw::MessageOffset);
    out.add(QStringLiteral("cw.message"), cwMessageText(image), {{Cw::MessageOffset, length}});
}

void addSwitchesAndInputs(FieldList& out, const Image& image) {
    using namespace ExpandedSwitches;
    for (int bank = 0; bank < int(BankOptions.size()); ++bank)
        for (int row = 0; row < RowsPerBank; ++row)
            for (int bit = 0; bit < SwitchesPerRow; ++bit)
                out.add(QStringLiteral("expanded-switches.%1.bit-%2")
                            .arg(rowLabel(bank, row))
                            .arg(bit + 1),
                        onOff(isOn(image, bank, row, bit)), {{groupOffset(bank, row), 1}});
    for (int input = 0; input < UserInputs::Count; ++input) {
        const QString key =
            QStringLiteral("user-inputs.") + keyWord(latin(UserInputs::RowCaptions[input]));
        const ByteRange bytes = {UserInputs::inputOffset(input), Region::UserInputRecord};
        out.add(key + QStringLiteral(".command"), UserInputs::numberText(image, input), {bytes});
        out.add(key + QStringLiteral(".review"), UserInputs::reviewText(image, input), {bytes});
    }
}

}  // namespace

QString blockKey(int block) {
    return block == 0 ? QStringLiteral("base") : QStringLiteral("mem%1").arg(block);
}

QString keyWord(const QString& caption) {
    QString word;
    bool dash = false;
    for (QChar c : caption) {
        if (c.isLetterOrNumber()) {
            if (dash && !word.isEmpty()) word += QLatin1Char('-');
            word += c.toLower();
            dash = false;
        } else {
            dash = true;
        }
    }
    return word;
}

std::vector<Field> fields(const Image& image, bool fourMemorySaves) {
    FieldList out;
    addConfig(out, image, fourMemorySaves);
    addSingleNumbers(out, image);
    addCodes(out, image, fourMemorySaves);
    addTimers(out, image, fourMemorySaves);
    addVoice(out, image, fourMemorySaves);
    addZones(out, image, fourMemorySaves);
    addMacros(out, image);
    addScheduler(out, image);
    addSpeedDials(out, image);
    if (!fourMemorySaves) addAreaCodesAndPrefixes(out, image);
    addCourtesyTones(out, image);
    addCwMessage(out, image);
    addSwitchesAndInputs(out, image);
    return out.take();
}

QString dumpText(const std::vector<Field>& fields) {
    QString text;
    for (const Field& field : fields)
        text += field.key + QStringLiteral(" = ") + field.value + QLatin1Char('\n');
    return text;
}

Difference difference(const Image& before, const Image& after, bool fourMemorySaves) {
    Difference result;
    if (before == after) return result;
    result.identical = false;

    // The key list depends only on the layout, so both images list the same keys in order.
    const std::vector<Field> old = fields(before, fourMemorySaves);
    const std::vector<Field> now = fields(after, fourMemorySaves);
    std::vector<bool> shown(ImageSize, false);
    const auto markShown = [&shown](const Field& field) {
        for (const ByteRange& range : field.bytes)
            for (int i = range.first; i < range.first + range.length && i < ImageSize; ++i)
                shown[i] = true;
    };
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (old[i].value == now[i].value) continue;
        result.changes.push_back({old[i].key, old[i].value, now[i].value});
        markShown(old[i]);
        markShown(now[i]);
    }
    for (int i = 0; i < ImageSize; ++i)
        if (before[i] != after[i] && !shown[i]) ++result.otherBytes;
    return result;
}

QString differenceText(const Difference& difference) {
    if (difference.identical) return {};
    QString text;
    for (const Change& change : difference.changes)
        text += change.key + QStringLiteral(": ") + change.before + QStringLiteral(" -> ") +
                change.after + QLatin1Char('\n');
    text += QStringLiteral("other differing bytes: %1\n").arg(difference.otherBytes);
    return text;
}

}  // namespace Dump
