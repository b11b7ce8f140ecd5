// The memory blocks the document core moves as a whole: the Base data copied into the memory
// saves, the large areas the flush dialog clears, and the texts of the three repeater configuration
// choices (memory layout setting, clock announcements and voice recorder bytes).
#pragma once

#include <array>

#include "core/image.h"
#include "core/regions.h"

namespace MemoryBlocks {

// ---- Memory save copying -------------------------------------------------------------------

// One kind of Base data: it is copied to the same block-relative place in a memory save.
struct CopyRow {
    const char* caption;
    int relative;  // offset inside a block
    int length;
};

inline constexpr std::array<CopyRow, 4> CopyRows = {{
    {"Zone Channels", Region::Rel::Zones, Region::Rel::ZoneCount},
    {"Control Numbers", Region::Rel::Codes, Region::Rel::CodesSize},
    {"Repeater Timers", Region::Rel::Timers, Region::Rel::TimersSize},
    {"Voice Messages.", Region::Rel::Voice, Region::Rel::VoiceSize},
}};
inline constexpr int CopyRowCount = int(CopyRows.size());

constexpr int copySource(int row) { return Region::blockStart(0) + CopyRows[row].relative; }
constexpr int copyTarget(int row, int memorySave) {
    return Region::blockStart(memorySave) + CopyRows[row].relative;
}

// Copies row's Base bytes into memory save 1..4 in ascending order. False (and nothing written)
// for a row or memory save outside the table.
bool copyToMemorySave(Image& image, int row, int memorySave);

inline constexpr char MemoryTitle[] = "Memory Files Configuration";
inline constexpr char CopyDoneText[] = " Memory File Data Copy OK ";
inline constexpr char CopyButton[] = "Copy";
inline constexpr char IntoMemorySaves[] = "Into Memory Saves";
inline constexpr char FromBase[] = "From Base";

// ---- Memory flush --------------------------------------------------------------------------

struct FlushRow {
    const char* caption;  // exact, trailing spaces included
    int first;
    int length;
};

inline constexpr std::array<FlushRow, 9> FlushRows = {{
    {"User Speed Dial Memory", Region::UserSpeedDial, Region::UserSpeedDialSize},
    {"Emergency Speed Dial Memory", Region::EmergencySpeedDial, Region::EmergencySpeedDialSize},
    {"Schedular Memory ", Region::Scheduler, Region::SchedulerSize},
    {"Macro Memory ", Region::Macros, Region::MacrosSize},
    {"Base Voice Synthesizer Messages ", Region::voiceStart(0), Region::Rel::VoiceSize},
    {"Memory Save #1", Region::blockStart(1), Region::BlockSize},
    {"Memory Save #2", Region::blockStart(2), Region::BlockSize},
    {"Memory Save #3", Region::blockStart(3), Region::BlockSize},
    {"Memory Save #4", Region::blockStart(4), Region::BlockSize},
}};
inline constexpr int FlushRowCount = int(FlushRows.size());
// The last row covers the region of memory save #4, which holds the area-code and prefix tables
// when the controller's DIP switch #5 is on.
inline constexpr int SharedRegionRow = FlushRowCount - 1;
inline constexpr char AreaCodesCaption[] = "Area Codes / Prefix Numbers";

// Caption of a flush row under the memory layout in use.
const char* flushCaption(int row, bool fourMemorySaves);
// True when any byte of the row's area is not 0.
bool holdsData(const Image& image, int row);
// Sets every byte of the row's area to 0; false (and nothing written) for a row outside the table.
bool flush(Image& image, int row);

inline constexpr char FlushTitle[] = "Flush Memory Blocks";
inline constexpr char FlushLegend[] = "If box is filled, Memory Contains Data";
inline constexpr char FlushButton[] = "Flush";
inline constexpr char EraseTitle[] = "Erase Process";
inline constexpr char EraseQuestion[] = "Are you sure you want to Erase?";

// ---- Repeater configuration ----------------------------------------------------------------

// A choice of two options, its frame caption and option captions; the configuration's field
// table reads and stores each choice.
struct OptionGroup {
    const char* frame;
    std::array<const char*, 2> options;
    const char* key;  // the group's key word: "clock-announcements"
};

inline constexpr OptionGroup MemoryLayoutGroup = {
    "DIP Switch #5",
    {"OFF - Use Four Memory Save Locations",
     "ON   - Setup memory for Area Codes and Telephone Prefix Codes"},
    "dip-switch-5"};
inline constexpr OptionGroup ClockGroup = {
    "Clock Announcements", {"12 Hour", "24 Hour"}, "clock-announcements"};
inline constexpr OptionGroup RecorderGroup = {"DVR Type", {"TALKR-9", "VOXA-5"}, "dvr-type"};

inline constexpr char ConfigTitle[] = "ORVANE DX Configuration";
inline constexpr char DipSwitchText[] =
    "Dip switch #5 (On the PC Board) is to determine how your ORVANE DX controller is configuring "
    "internal data memory. Reference page 2-2 (Switch 5) in your ORVANE manual for additional "
    "information. \n";

}  // namespace MemoryBlocks
