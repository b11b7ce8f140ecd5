// The printed listing of the configuration: what each check box of the print dialog prints, in
// which jobs and pages, and every section printer with its titles, labels and columns.
#pragma once

#include <QString>
#include <array>

#include "core/image.h"
#include "devices/timers.h"
#include "report/reportdocument.h"
#include "report/reporttexts.h"

struct Settings;

using ReportBoxes = std::array<bool, ReportTexts::BoxCount>;

// The check boxes by number; the number fixes the printing order.
enum class ReportBox {
    BaseCodes,
    MemoryCodes,
    BaseTimers,
    MemoryTimers,
    BaseVoice,
    MemoryVoice,
    Macros,
    Scheduler,
    UserSpeedDial,
    EmergencySpeedDial,
    BaseZones,
    MemoryZones,
    TonesAndCw,
};
static_assert(int(ReportBox::TonesAndCw) + 1 == ReportTexts::BoxCount);

// The sections of the listing, each under its title; those of a block (control codes, timers,
// voice messages, zones) are titled with the block's number too.
enum class ReportSection {
    Codes,
    Timers,
    VoiceMessages,
    Macros,
    Scheduler,
    SpeedDials,
    EmergencySpeedDials,
    Zones,
    CourtesyTones,
    CwMessage,
};

// The names and the date the headings show.
struct ReportHeadings {
    QString reportFileName;   // the file last opened: the heading of every job but the voice ones
    QString chooserFileName;  // the path the Open / Save As chooser last confirmed (voice jobs)
    QString printDate;        // today in the system's short date form
};

// Everything a report is composed from besides the image.
struct ReportInputs {
    ReportHeadings headings;
    bool fourMemorySaves = true;  // memory save #4 is printed only in the four-saves layout
    QString fontFamily = QStringLiteral("Arial");
    int printFontSize = 10;  // the headings' size, a whole number of points
    ReportBoxes boxes{};
};

// The memory layout, print font and print size of the settings (a size that is not a number
// counts as the default 10 points; a fraction is rounded).
ReportInputs reportInputs(const Settings& settings, const ReportHeadings& headings,
                          const ReportBoxes& boxes);
// Today's date in the system locale's short form, for the headings.
QString todaysPrintDate();

// Composes the jobs of every checked box, in box order.
ReportDocument composeReport(const Image& image, const ReportInputs& inputs,
                             LineBudget budget = {});

// The section printers over one composer. Each writes what its name says at the current place.
class ReportWriter {
public:
    ReportWriter(const Image& image, const ReportInputs& inputs, ReportComposer& composer);

    // Portrait, the print size: the report file name and the date between line breaks.
    void pageHeading();
    // Landscape, size 10: the chooser's file name, the date and the block's voice title.
    void voicePageHeading(int block);
    // The title of a section (of block 0..4 where it has blocks) and its column headings.
    void subHeading(ReportSection section, int block = 0);

    void codes(int block);
    void timers(int block);
    void voiceMessages(int block);
    void macros();
    void macroLine(int macro);
    void scheduler(int page);  // page 1: events 1..20, page 2: events 21..40
    void schedulerLine(int event);
    void speedDials(int page);  // page 0..4: entries 20 page .. 20 page + 19
    void emergencySpeedDials();
    // Zones z and z + 1 (z = 0, 2, 4, 6) of a block side by side: their titles, then one line per
    // flag with an "X" where the flag is set.
    void zonePair(int block, int leftZone);
    void courtesyTones();
    void cwMessage();

    // The time a timer entry prints: "mm:ss" for minutes timers, seconds with one decimal for
    // tenths timers.
    QString timerTime(int offset, TimerKind kind) const;

private:
    void speedDialLine(int number, int record);

    const Image& m_image;
    const ReportInputs& m_inputs;
    ReportComposer& m_out;
};

// The title of a section, of block 0..4 where it has blocks ("Base Control Codes", "Memory Save 2
// Control Codes", "Memory Save 3 Voice Messages").
QString sectionTitle(ReportSection section, int block = 0);
