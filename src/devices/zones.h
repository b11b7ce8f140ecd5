// The controller's 64 function enable flags: eight zone bytes per block, flag k of a zone being
// bit k - 1. Holds the check-box captions, the zone dialog titles and the bit helpers.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/image.h"
#include "core/regions.h"
#include "formats/bitfields.h"

inline constexpr int ZoneCount = Region::Rel::ZoneCount;
inline constexpr int FlagsPerZone = 8;

// Check-box captions, [zone - 1][flag - 1]; each begins with the flag number, a full stop and two
// spaces.
inline constexpr std::array<std::array<const char*, FlagsPerZone>, ZoneCount> ZoneFlagCaptions = {{
    {"1.  Transmitter Enable", "2.  CTCSS Enable", "3.  DTMF Access Enabled",
     "4.  CTCSS Override Enabled", "5.  Turn On Delay Enabled", "6.  DTMF Window Enable",
     "7.  DTMF Muting Enabled", "8.  Control Operator CTCSS Enabled"},
    {"1.  Repeater Timeout Enable", "2.  Squelch Tail Enable", "3.  Scheduler Enable",
     "4.  DTMF Pad Test Enable", "5.  Repeater CTCSS OR Logic Enable",
     "6.  Grandfather Clock Sleep Enable", "7.  Courtesy Beep Enable",
     "8.  Talk Over Voice Synthesizer Enable"},
    {"1.  Repeater ID #1 (At Rest) Enable", "2.  Repeater ID #2 (Active) Enable",
     "3.  Squelch Tail Message Enable", "4.  Transmitter Dropout Message Enable", "5.  Reserved",
     "6.  Reserved", "7.  Time Of Day Request Enable", "8.  Grandfather Clock Enable"},
    {"1.  Autopatch Enable", "2.  Autopatch Timeout Timer Enable", "3.  Long Distance Enable",
     "4.  Emergency 911 Enable", "5.  User Speed Dial Enable",
     "6.  Telephone Number Readback Enable", "7.  Autopatch Radio Mute Enable",
     "8.  Autopatch Pre-Dial Enable"},
    {"1.  Emergency Speed Dial Enable", "2.  Reverse Autopatch Enable",
     "3.  Long Distance Dial (1) Enable", "4.  Autopatch Force Off Hook (Activate Off Air Only)",
     "5.  Remote Autopatch Enable", "6.  Telephone Line Busy Enable",
     "7.  Pulse Dial Rate (20 PPS) Enable", "8.  Telephone Ring Detector Enable"},
    {"1.  Remote Base Transmit Enable", "2.  Remote Base Receive Only Enable", "3.  Reserved",
     "4.  User Function Switch In #1 Enable", "5.  User Function Switch In #2 Enable",
     "6.  User Function Switch Out #1 Enable", "7.  User Function Switch Out #2 Enable",
     "8.  User Function Switch Out #3 Enable"},
    {"1.  Expanded User Function Output #1 Enable", "2.  Expanded User Function Output #2 Enable",
     "3.  Expanded User Function Output #3 Enable", "4.  Expanded User Function Output #4 Enable",
     "5.  Expanded User Function Output #5 Enable", "6.  Expanded User Function Output #6 Enable",
     "7.  Expanded User Function Output #7 Enable", "8.  Expanded User Function Output #8 Enable"},
    {"1.  Autopatch CTCSS Enable", "2.  Area Code Look-Up Enable",
     "3.  Prefix Number Look-Up Enable", "4.  Speed Dial Pre-Dial Enable",
     "5.  Telephone Ring Announcer Enable", "6.  Reserved", "7.  Reserved", "8.  Reserved"},
}};

// File offset of the first zone byte of a block (0 = Base, 1..4 = memory save #1..#4), -1 outside.
int firstZoneOffset(int block);
// "Zone 1" .. "Zone 8".
QString zoneTabCaption(int zone);
// Caption of flag 1..8 of zone 1..8; empty outside.
QString zoneFlagCaption(int zone, int flag);

// Flag 1..8 of zone 1..8 of block 0..4 as its check box shows it: bit flag - 1 of the zone byte;
// false outside.
bool zoneFlag(const Image& image, int block, int zone, int flag);
// Sets or clears one flag as its check box does; the zone's other seven flags keep their state.
// Nothing is written outside the zones.
void setZoneFlag(Image& image, int block, int zone, int flag, bool on);

// The zone byte for eight flags: bit k - 1 set exactly when flag k is on.
constexpr std::uint8_t zoneByte(const std::array<bool, FlagsPerZone>& flags) {
    return byteFromBits(flags);
}
