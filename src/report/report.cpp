#include "report/report.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "codes/controlcodes.h"
#include "codes/speeddial.h"
#include "commands/macros.h"
#include "commands/scheduler.h"
#include "core/filewriter.h"
#include "core/regions.h"
#include "core/settings.h"
#include "devices/courtesytones.h"
#include "devices/timers.h"
#include "devices/zones.h"
#include "formats/calendar.h"
#include "formats/commands.h"
#include "formats/cwcode.h"
#include "formats/dtmfcodec.h"
#include "formats/tones.h"
#include "voice/voicemessages.h"

using namespace ReportTexts;

namespace {

constexpr int BodySize = 10;
constexpr int TitleSize = 14;

constexpr int SchedulerEventsPerPage = 20;
constexpr int SpeedDialsPerPage = 20;
constexpr int SpeedDialPages = 5;
constexpr int ZonesPerJob = 4;

QString memorySaveTitle(const char* prefix, int n, const char* suffix) {
    return QLatin1String(prefix) + QString::number(n) + QLatin1String(suffix);
}

}  // namespace

QString sectionTitle(ReportSection section, int block) {
    const auto ofBlock = [block](const char* base, const char* prefix, const char* suffix) {
        return block == 0 ? QString::fromLatin1(base) : memorySaveTitle(prefix, block, suffix);
    };
    switch (section) {
        case ReportSection::Codes:
            return ofBlock(BaseControlCodes, MemorySave, ControlCodesSuffix);
        case ReportSection::Timers:
            return ofBlock(BaseTimers, MemorySave, TimersSuffix);
        case ReportSection::VoiceMessages:
            return ofBlock(BaseVoiceMessages, MemorySave, VoiceMessagesSuffix);
        case ReportSection::Macros:
            return QLatin1String(MacroCommands);
        case ReportSection::Scheduler:
            return QLatin1String(SchedularOperations);
        case ReportSection::SpeedDials:
            return QLatin1String(SpeedDialNumbers);
        case ReportSection::EmergencySpeedDials:
            return QLatin1String(EmergencySpeedDialNumbers);
        case ReportSection::Zones:
            return ofBlock(BaseControlZones, MemoryZonesPrefix, ZonesSuffix);
        case ReportSection::CourtesyTones:
            return QLatin1String(CourtesyTonesTitle);
        case ReportSection::CwMessage:
            return QLatin1String(CwMessageTitle);
    }
    return QString();
}

ReportInputs reportInputs(const Settings& settings, const ReportHeadings& headings,
                          const ReportBoxes& boxes) {
    ReportInputs inputs;
    inputs.headings = headings;
    inputs.fourMemorySaves = settings.fourMemorySaves;
    inputs.fontFamily = settings.fontName.isEmpty() ? QLatin1String(SettingKeys::DefaultFontName)
                                                    : settings.fontName;
    inputs.printFontSize = static_cast<int>(std::lround(printFontPoints(settings.fontSize)));
    inputs.boxes = boxes;
    return inputs;
}

QString todaysPrintDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

ReportWriter::ReportWriter(const Image& image, const ReportInputs& inputs, ReportComposer& composer)
    : m_image(image), m_inputs(inputs), m_out(composer) {}

void ReportWriter::pageHeading() {
    m_out.setOrientation(PageOrientation::Portrait);
    m_out.setSize(m_inputs.printFontSize);
    m_out.lineBreak();
    const QString& name = m_inputs.headings.reportFileName;
    m_out.text(8, QLatin1String(FilePrefix) +
                      (name.isEmpty() ? QLatin1String(NoFileName) : visibleFileName(name)));
    m_out.endLine();
    m_out.text(8, QLatin1String(PrintDatePrefix) + m_inputs.headings.printDate);
    m_out.endLine();
    m_out.lineBreak();
}

void ReportWriter::voicePageHeading(int block) {
    m_out.setOrientation(PageOrientation::Landscape);
    for (int i = 0; i < 3; ++i) m_out.lineBreak();
    m_out.setSize(BodySize);
    const QString& name = m_inputs.headings.chooserFileName;
    m_out.text(8, QLatin1String(FilePrefix) +
                      (name.isEmpty() ? QLatin1String(NoFileName) : visibleFileName(name)));
    m_out.endLine();
    m_out.text(8, QLatin1String(PrintDatePrefix) + m_inputs.headings.printDate);
    m_out.lineBreak();
    m_out.setSize(TitleSize);
    m_out.centredLine(sectionTitle(ReportSection::VoiceMessages, block));
    m_out.setSize(BodySize);
    m_out.lineBreak();
}

namespace {
void boldHeadings(ReportComposer& out, std::span<const Heading> headings) {
    out.setBold(true);
    for (const Heading& heading : headings) out.text(heading.column, QLatin1String(heading.text));
    out.setBold(false);
}
}  // namespace

void ReportWriter::subHeading(ReportSection section, int block) {
    m_out.lineBreak();
    if (section == ReportSection::CwMessage) m_out.lineBreak();
    m_out.setSize(TitleSize);
    m_out.centredLine(sectionTitle(section, block));
    m_out.setSize(BodySize);
    m_out.lineBreak();
    switch (section) {
        case ReportSection::Macros:
            boldHeadings(m_out, MacroHeadings);
            m_out.lineBreak();
            break;
        case ReportSection::Scheduler:
            // The heading line itself ends with the line break: one empty line follows.
            boldHeadings(m_out, SchedulerHeadings);
            m_out.endEntry();
            break;
        case ReportSection::CourtesyTones:
            boldHeadings(m_out, ToneHeadings);
            m_out.lineBreak();
            break;
        default:
            break;
    }
}

void ReportWriter::codes(int block) {
    subHeading(ReportSection::Codes, block);
    for (int k = 0; k < Region::Rel::CodeCount; ++k) {
        m_out.text(8, QLatin1String(CodeLabels[k]));
        m_out.text(
            45, Dtmf::digitFieldText(m_image, Codes::codeOffset(block, k), Dtmf::DigitFieldKeys));
        m_out.endEntry();
    }
    m_out.pageBreak();
}

QString ReportWriter::timerTime(int offset, TimerKind kind) const {
    return timerText(timerCount(m_image, offset), kind);
}

void ReportWriter::timers(int block) {
    subHeading(ReportSection::Timers, block);
    for (int i = 0; i < TimerCount; ++i) {
        const TimerKind kind = TimerTable[i].kind;
        m_out.text(8, QLatin1String(TimerLabels[i]));
        m_out.text(40, timerTime(timerOffset(block, i), kind));
        m_out.text(48, QLatin1String(kind == TimerKind::Seconds ? Minutes : Seconds));
        m_out.endEntry();
    }
    m_out.pageBreak();
}

void ReportWriter::voiceMessages(int block) {
    for (int m = 1; m <= VoiceMessages::Count; ++m) {
        m_out.number(8, m);
        const QString text = VoiceMessages::messageText(m_image, block, m);
        if (!text.isEmpty()) m_out.text(14, text);
        m_out.endEntry();
    }
}

void ReportWriter::macros() {
    for (int m = 1; m <= Macros::Count; ++m) macroLine(m);
}

void ReportWriter::macroLine(int macro) {
    m_out.number(8, macro);
    // The row as the macro grid shows it; nothing for a macro without a trigger.
    const Macros::MacroRow row = Macros::macroRow(m_image, macro);
    if (m_image[Macros::macroOffset(macro)] != 0) {
        m_out.text(14, row.trigger);
        m_out.text(28, QStringList(row.commands.begin(), row.commands.end())
                           .join(QLatin1String(CommandSeparator)));
    }
    m_out.endEntry();
}

void ReportWriter::scheduler(int page) {
    const int first = SchedulerEventsPerPage * (page - 1) + 1;
    for (int n = first; n < first + SchedulerEventsPerPage; ++n) schedulerLine(n);
}

void ReportWriter::schedulerLine(int event) {
    m_out.number(8, event);
    if (const std::optional<Scheduler::EventTexts> e = Scheduler::eventTexts(m_image, event)) {
        m_out.text(15, e->everyHour ? QLatin1String(EveryHour) + e->minute
                                    : e->hour + QLatin1String(TimeSeparator) + e->minute);
        m_out.text(25, e->byWeekday ? e->weekday : QLatin1String(NoWeekday));
        m_out.text(45, e->month);
        if (!e->byWeekday) m_out.text(55, e->dayOfMonth);
        m_out.text(75, e->command);
    }
    m_out.endEntry();
}

void ReportWriter::speedDialLine(int number, int record) {
    m_out.number(8, number);
    const SpeedDial::EntryText entry = SpeedDial::printedEntry(m_image, record);
    if (!entry.number.isEmpty()) m_out.text(15, entry.number);
    m_out.text(32, entry.identification);
    m_out.endEntry();
}

void ReportWriter::speedDials(int page) {
    const int first = SpeedDialsPerPage * page;
    for (int e = first; e < first + SpeedDialsPerPage; ++e)
        speedDialLine(e, SpeedDial::userOffset(e));
}

void ReportWriter::emergencySpeedDials() {
    for (int e = 0; e < SpeedDial::EmergencyCount; ++e)
        speedDialLine(e, SpeedDial::emergencyOffset(e));
}

void ReportWriter::zonePair(int block, int leftZone) {
    m_out.setBold(true);
    m_out.text(8, QLatin1String(ZoneTitles[leftZone]));
    m_out.text(60, QLatin1String(ZoneTitles[leftZone + 1]));
    m_out.setBold(false);
    m_out.lineBreak();
    // Zones count from 1 in the zones model.
    auto mark = [&](int zone, int flag) {
        return QLatin1String(zoneFlag(m_image, block, zone + 1, flag) ? FlagSet : FlagClear);
    };
    for (int k = 1; k <= 8; ++k) {
        m_out.number(8, k);
        m_out.text(11, mark(leftZone, k));
        m_out.text(14, QLatin1String(ZoneLabels[leftZone][k - 1]));
        m_out.number(60, k);
        m_out.text(63, mark(leftZone + 1, k));
        m_out.text(66, QLatin1String(ZoneLabels[leftZone + 1][k - 1]));
        m_out.endEntry();
    }
}

void ReportWriter::courtesyTones() {
    // Each row's texts as the courtesy tone grid shows them, a dash after each frequency.
    constexpr int Columns[CourtesyTones::FieldCount] = {15, 24, 35, 45, 54, 65, 75, 84};
    for (int t = 1; t <= Region::CourtesyToneCount; ++t) {
        m_out.number(8, t);
        const auto texts = CourtesyTones::rowTexts(m_image, t - 1);
        if (m_image[CourtesyTones::toneOffset(t - 1)] != 0) {
            for (int f = 0; f < CourtesyTones::FieldCount; ++f) {
                m_out.text(Columns[f], texts[f]);
                if (CourtesyTones::Fields[f].kind == CourtesyTones::FieldKind::Frequency)
                    m_out.text(Columns[f] + 6, QLatin1String(ToneDash));
            }
        }
        m_out.endEntry();
    }
}

void ReportWriter::cwMessage() {
    // A count above 31 runs on into the bytes that follow, as the controller reads it.
    m_out.text(8,
               m_image[Cw::MessageOffset] == 0 ? QLatin1String(EmptyCw) : cwMessageText(m_image));
    m_out.endEntry();
}

ReportDocument composeReport(const Image& image, const ReportInputs& inputs, LineBudget budget) {
    ReportComposer out(inputs.fontFamily, budget);
    ReportWriter writer(image, inputs, out);
    // The Base block, or the memory saves: #4 only in the four-saves layout (otherwise its
    // region holds the area codes and prefixes).
    auto blocks = [&](bool base) {
        std::vector<int> list;
        if (base) return std::vector<int>{0};
        const int saves = Region::memorySaves(inputs.fourMemorySaves);
        for (int n = 1; n <= saves; ++n) list.push_back(n);
        return list;
    };

    auto zoneJobs = [&](int block) {
        for (int first = 0; first < Region::Rel::ZoneCount; first += ZonesPerJob) {
            out.startJob(sectionTitle(ReportSection::Zones, block));
            writer.pageHeading();
            writer.subHeading(ReportSection::Zones, block);
            writer.zonePair(block, first);
            out.lineBreak();
            out.lineBreak();
            writer.zonePair(block, first + 2);
        }
    };

    for (int box = 0; box < BoxCount; ++box) {
        if (!inputs.boxes[box]) continue;
        switch (static_cast<ReportBox>(box)) {
            case ReportBox::BaseCodes:
            case ReportBox::MemoryCodes:
                for (int n : blocks(box == int(ReportBox::BaseCodes))) {
                    out.startJob(sectionTitle(ReportSection::Codes, n));
                    writer.pageHeading();
                    writer.codes(n);
                }
                break;
            case ReportBox::BaseTimers:
            case ReportBox::MemoryTimers:
                for (int n : blocks(box == int(ReportBox::BaseTimers))) {
                    out.startJob(sectionTitle(ReportSection::Timers, n));
                    writer.pageHeading();
                    writer.timers(n);
                }
                break;
            case ReportBox::BaseVoice:
            case ReportBox::MemoryVoice:
                for (int n : blocks(box == int(ReportBox::BaseVoice))) {
                    out.startJob(sectionTitle(ReportSection::VoiceMessages, n));
                    writer.voicePageHeading(n);
                    writer.voiceMessages(n);
                }
                break;
            case ReportBox::Macros:
                out.startJob(sectionTitle(ReportSection::Macros));
                writer.pageHeading();
                writer.subHeading(ReportSection::Macros);
                writer.macros();
                break;
            case ReportBox::Scheduler:
                out.startJob(sectionTitle(ReportSection::Scheduler));
                for (int page = 1; page <= 2; ++page) {
                    if (page > 1) out.pageBreak();
                    writer.pageHeading();
                    writer.subHeading(ReportSection::Scheduler);
                    writer.scheduler(page);
                }
                break;
            case ReportBox::UserSpeedDial:
                out.startJob(sectionTitle(ReportSection::SpeedDials));
                for (int page = 0; page < SpeedDialPages; ++page) {
                    if (page > 0) out.pageBreak();
                    writer.pageHeading();
                    writer.subHeading(ReportSection::SpeedDials);
                    writer.speedDials(page);
                }
                break;
            case ReportBox::EmergencySpeedDial:
                out.startJob(sectionTitle(ReportSection::EmergencySpeedDials));
                writer.pageHeading();
                writer.subHeading(ReportSection::EmergencySpeedDials);
                writer.emergencySpeedDials();
                break;
            case ReportBox::BaseZones:
                zoneJobs(0);
                break;
            case ReportBox::MemoryZones:
                for (int n : blocks(false)) zoneJobs(n);
                break;
            case ReportBox::TonesAndCw:
                out.startJob(sectionTitle(ReportSection::CourtesyTones));
                writer.pageHeading();
                writer.subHeading(ReportSection::CourtesyTones);
                writer.courtesyTones();
                writer.subHeading(ReportSection::CwMessage);
                writer.cwMessage();
                break;
        }
    }
    return out.take();
}
