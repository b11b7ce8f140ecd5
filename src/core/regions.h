// Region map of the configuration image: every offset the editor uses is derived from here.
#pragma once

namespace Region {

// Absolute regions (file offsets).
inline constexpr int UnlockNumber = 32;    // DTMF digit field, 8 bytes
inline constexpr int BaseBlock = 40;       // Base block, same layout as a memory save
inline constexpr int BlockSize = 786;      // bytes of one block
inline constexpr int CourtesyTones = 826;  // 8 records of 8 bytes
inline constexpr int CourtesyToneRecord = 8;
inline constexpr int CourtesyToneCount = 8;
inline constexpr int Macros = 890;  // 10 records of 18 bytes
inline constexpr int MacroRecord = 18;
inline constexpr int MacroCount = 10;
inline constexpr int MacrosSize = MacroRecord * MacroCount;
inline constexpr int UserInputs = 1070;  // 2 inputs of 2 bytes
inline constexpr int UserInputRecord = 2;
inline constexpr int UserInputCount = 2;
inline constexpr int ExpandedSwitches = 1074;  // two banks of 8 bytes
inline constexpr int ExpandedSwitchBank = 8;
inline constexpr int VoiceRecorderType = 1094;   // 0 = TALKR-9, 1 = VOXA-5
inline constexpr int ClockAnnouncements = 1095;  // 0 = 12 hour, 1 = 24 hour
inline constexpr int PreDialNumber = 1140;       // DTMF digit field, 8 bytes
inline constexpr int SpeedDialRecord = 30;       // telephone number + identification
inline constexpr int EmergencySpeedDial = 1148;  // 5 records
inline constexpr int EmergencySpeedDialCount = 5;
inline constexpr int EmergencySpeedDialSize = SpeedDialRecord * EmergencySpeedDialCount;
inline constexpr int UserSpeedDial = 1298;  // 100 records, ten groups of ten
inline constexpr int UserSpeedDialCount = 100;
inline constexpr int UserSpeedDialGroup = 10;
inline constexpr int UserSpeedDialSize = SpeedDialRecord * UserSpeedDialCount;
inline constexpr int Scheduler = 4298;  // four groups of 70 bytes
inline constexpr int SchedulerGroupSize = 70;
inline constexpr int SchedulerGroupCount = 4;
inline constexpr int SchedulerSize = SchedulerGroupSize * SchedulerGroupCount;
inline constexpr int MemorySave1 = 4608;  // memory save blocks, 800 bytes apart
inline constexpr int MemorySaveStride = 800;
inline constexpr int MemorySaveCount = 4;
// The memory saves of a layout: all four, or three where the area-code and prefix tables take the
// fourth one's place.
constexpr int memorySaves(bool fourMemorySaves) {
    return fourMemorySaves ? MemorySaveCount : MemorySaveCount - 1;
}

// Area-code / prefix layout of the memory save #4 region (memory layout "0").
inline constexpr int Prefixes = 7008;  // five groups of 64 bytes
inline constexpr int PrefixGroupSize = 64;
inline constexpr int PrefixGroupCount = 5;
inline constexpr int AreaCodes = 7328;  // count byte + ten three-digit entries
inline constexpr int AreaCodeCount = 10;

// Offsets inside a block, relative to its start.
namespace Rel {
inline constexpr int Zones = 0;
inline constexpr int ZoneCount = 8;
inline constexpr int Codes = 8;
inline constexpr int CodeField = 8;
inline constexpr int CodeCount = 14;
inline constexpr int CodesSize = CodeField * CodeCount;
inline constexpr int Timers = 138;
inline constexpr int TimerEntry = 2;
inline constexpr int TimerCount = 16;
inline constexpr int TimersSize = TimerEntry * TimerCount;
inline constexpr int Voice = 178;
inline constexpr int VoiceRecord = 48;
inline constexpr int VoiceCount = 12;
inline constexpr int VoiceSize = VoiceRecord * VoiceCount;
inline constexpr int CwMessage = 754;  // Base block only
inline constexpr int CwMessageSize = 32;
}  // namespace Rel

// Block selector: 0 = Base, 1..4 = memory save #1..#4.
inline constexpr int BlockCount = 5;
constexpr int blockStart(int block) {
    return block == 0 ? BaseBlock : MemorySave1 + MemorySaveStride * (block - 1);
}
constexpr int zonesStart(int block) { return blockStart(block) + Rel::Zones; }
constexpr int codesStart(int block) { return blockStart(block) + Rel::Codes; }
constexpr int timersStart(int block) { return blockStart(block) + Rel::Timers; }
constexpr int voiceStart(int block) { return blockStart(block) + Rel::Voice; }

static_assert(codesStart(0) == 48 && timersStart(0) == 178 && voiceStart(0) == 218);
static_assert(blockStart(4) == 7008 && voiceStart(2) == 5586 && timersStart(1) == 4746);

}  // namespace Region
