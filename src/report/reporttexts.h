// The printed report's own texts: the print dialog's captions and messages, the section titles,
// the column headings and the labels of codes, timers and zones as the listing prints them (they
// differ in places from the editors' captions, misspellings included).
#pragma once

#include <array>

#include "commands/scheduler.h"
#include "devices/timers.h"

namespace ReportTexts {

// The print dialog.
inline constexpr char DialogTitle[] = "Print Driver";
inline constexpr char BaseFrame[] = "Repeater Base";
inline constexpr char MemoryFrame[] = "Memory Saves";
inline constexpr char MiscFrame[] = "Miscellaneous";
inline constexpr char TelephoneFrame[] = "Telephone";
inline constexpr char ActionFrame[] = "Print Action";

// The check boxes by number; the number is the printing order.
struct BoxInfo {
    const char* frame;
    const char* caption;
};
inline constexpr int BoxCount = 13;
// clang-format off
inline constexpr std::array<BoxInfo, BoxCount> Boxes = {{
    {BaseFrame,      "Base Repeater Codes"},
    {MemoryFrame,    "Memory Saves Repeater Codes"},
    {BaseFrame,      "Base Repeater Timers"},
    {MemoryFrame,    "Memory Saves Repeater Timers"},
    {BaseFrame,      "Base Voice Messages"},
    {MemoryFrame,    "Memory Saves Voice Messages"},
    {MiscFrame,      "Macros"},
    {MiscFrame,      "Schedular"},
    {TelephoneFrame, "User Speed Dial Numbers"},
    {TelephoneFrame, "Emergency Speed Dial Numbers"},
    {BaseFrame,      "Base Repeater Zones"},
    {MemoryFrame,    "Memory Saves Repeater Zones"},
    {MiscFrame,      "Courtesy Tones / CW Message"},
}};
// clang-format on

// The print button blinks while a box is checked.
inline constexpr char StartPrintJobs[] = "Start Print Job(s)";
inline constexpr char NoJobsSelected[] = "No Print Job(s) Selected";
inline constexpr char PrintJobsTitle[] = "Print Jobs";
inline constexpr char NoJobsError[] = "Error, No Print Jobs Selected";
inline constexpr char PrintCancelled[] = "Print Cancelled";
inline constexpr char JobsDispatched[] = "Print Job(s) Dispatched";
inline constexpr char PrinterError[] = "Printer Error";

// Page headings.
inline constexpr char FilePrefix[] = "File: ";
inline constexpr char NoFileName[] = "No File Name Assigned";
inline constexpr char PrintDatePrefix[] = "Print Date: ";

// Section titles; a memory save's title is MemorySave + n + its suffix.
inline constexpr char MemorySave[] = "Memory Save ";
inline constexpr char BaseVoiceMessages[] = "Base Voice Messages";
inline constexpr char VoiceMessagesSuffix[] = " Voice Messages";
inline constexpr char BaseControlCodes[] = "Base Control Codes";
inline constexpr char ControlCodesSuffix[] = " Control Codes";
inline constexpr char BaseTimers[] = "Base Timers";
inline constexpr char TimersSuffix[] = " Timers";
inline constexpr char MacroCommands[] = "Macro Commands";
inline constexpr char SchedularOperations[] = "Schedular Operations";
inline constexpr char SpeedDialNumbers[] = "Speed Dial Numbers";
inline constexpr char EmergencySpeedDialNumbers[] = "Emergency Speed Dial Numbers";
inline constexpr char BaseControlZones[] = "ORVANE Base Control Zones";
inline constexpr char MemoryZonesPrefix[] = "ORVANE Memory Save ";
inline constexpr char ZonesSuffix[] = " Control Zones";
inline constexpr char CourtesyTonesTitle[] = "Courtesy Tones";
inline constexpr char CwMessageTitle[] = "CW Message";

// Bold column headings at their columns.
struct Heading {
    int column;
    const char* text;
};
inline constexpr std::array<Heading, 2> MacroHeadings = {{{14, "Code"}, {28, "Commands"}}};
// The scheduler overview's column headings, each at its column of the listing.
inline constexpr std::array<Heading, Scheduler::ColumnHeadings.size()> SchedulerHeadings = {{
    {15, Scheduler::ColumnHeadings[0]},
    {25, Scheduler::ColumnHeadings[1]},
    {45, Scheduler::ColumnHeadings[2]},
    {55, Scheduler::ColumnHeadings[3]},
    {75, Scheduler::ColumnHeadings[4]},
}};
inline constexpr std::array<Heading, 5> ToneHeadings = {{
    {15, "Tone #1"},
    {35, "Delay"},
    {45, "Tone #2 Hz-Ms"},
    {65, "Delay"},
    {75, "Tone #3 Hz-Ms"},
}};

// The fourteen control codes of a block, in field order.
inline constexpr std::array<const char*, 14> CodeLabels = {
    "Control Operator Prefix",     "Time Request Prefix",           "Memory Recall Prefix",
    "DTMF Access Prefix",          "DTMF Pad Test Prefix",          "User Function Switch Prefix",
    "Autopatch Access Number",     "Autopatch Disconnect Prefix",   "User Speed Dial Prefix",
    "Emergency Speed Dial Prefix", "Voice Demonstration Prefix",    "Reverse Autopatch Prefix",
    "DVR Control Prefix",          "Expanded User Function Prefix",
};

// The sixteen timers of a block as the listing labels them. A timer's kind (the timers table)
// gives its unit: a seconds timer prints "mm:ss" and "Min", a tenths timer "Sec".
inline constexpr std::array<const char*, TimerCount> TimerLabels = {
    "Repeater Time Out",     "Repeater Sleep Timer",   "Turn On Delay",
    "COR Drop To Beep Time", "Beep To PTT Drop Time",  "DTMF Muting Delay Time",
    "Repeater ID Timer",     "Squelch Message Time",   "Drop Out Message Time",
    "Voice Delay Timer",     "Autopatch Length Timer", "Autopatch Activity Timer",
    "DTMF Pre-Window Time",  "DTMF Window Time",       "Program Max Length Time",
    "Ring Detector Time",
};
inline constexpr char Minutes[] = "Min";
inline constexpr char Seconds[] = "Sec";

// Zones: the title of zone z and the label of its flag k (bit k - 1).
inline constexpr std::array<const char*, 8> ZoneTitles = {"Zone 1", "Zone 2", "Zone 3", "Zone 4",
                                                          "Zone 5", "Zone 6", "Zone 7", "Zone 8"};
inline constexpr char FlagSet[] = "X";
inline constexpr char FlagClear[] = " ";
// clang-format off
inline constexpr std::array<std::array<const char*, 8>, 8> ZoneLabels = {{
    {"Repeater Transmitter Enable", "Repeater CTCSS Enable", "DTMF Access Enable",
     "Repeater CTCSS Override Enable", "Turn On Delay Enable", "DTMF Window Enable",
     "DTMF Muting Enable", "Control Operator CTCSS Enable"},
    {"Repeater Timeout Timer Enable", "Squelch Tail Enable", "Scheduler Enable",
     "DTMF Pad Test Enable", "Repeater CTCSS OR Logic Enable", "Grandfather Clook Sleep Enable",
     "Courtesy Beep Enable", "Talk Over Voice Synthesizer Enable"},
    {"Repeater ID #1 (At Rest)Enable", "Repeater ID #2 (Active) Enable",
     "Squelch Tail Message Enable", "Transmitter Dropout Message Enable", "Reserved", "Reserved",
     "Time Of Day Request Enable", "Grandfather Clock Enable"},
    {"Autopatch Enable", "Autopatch Timeout Timer Enable", "Autopatch Long Distance Enable",
     "Emergency 911 Enable", "User Speed Dial Enable", "Telephone Number Readback Enable",
     "Autopatch Radio Mute Enable", "Autopatch Pre-Dial Enable"},
    {"Emergency Speed Dial Enable", "Reverse Autopatch Enable", "Long Distance Dial (1) Enable",
     "Force Telephone Off Hook Enable", "Remote Autopatch Enable", "Telephone Line Busy Enable",
     "Pulse Dial Rate (20 PPS) Enable", "Telephone Ring Detector Enable"},
    {"Remote Base Transmit Enable", "Remote Base Receive Only Enable", "Reserved",
     "User Switch Input #1 Enable", "User Switch Input #2 Enable", "User Switch Output #1 Enable",
     "User Switch Output #2 Enable", "User Switch Output #3 Enable"},
    {"Expanded User Output #1 Enable", "Expanded User Output #2 Enable",
     "Expanded User Output #3 Enable", "Expanded User Output #4 Enable",
     "Expanded User Output #5 Enable", "Expanded User Output #6 Enable",
     "Expanded User Output #7 Enable", "Expanded User Output #8 Enable"},
    {"Autopatch CTCSS Enable", "Area Code Look-Up Enable", "Prefix Number Look-Up Enable",
     "Speed Dial Pre-Dial Enable", "Telephone Ring Announcer Enable", "Reserved", "Reserved",
     "Reserved"},
}};
// clang-format on

// Scheduler lines.
inline constexpr char EveryHour[] = "---:";
inline constexpr char TimeSeparator[] = ":";
inline constexpr char NoWeekday[] = "      ----";  // an event chosen by date
// Macro commands are joined by three spaces.
inline constexpr char CommandSeparator[] = "   ";
// Courtesy tone lines: a tone's frequency and length are joined by a dash.
inline constexpr char ToneDash[] = "-";
inline constexpr char EmptyCw[] = "Empty";

}  // namespace ReportTexts
