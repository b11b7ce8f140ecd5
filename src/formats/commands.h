// The controller's command catalogue: the two-byte commands that macros, scheduled events and user
// inputs hold (opcode, then argument, each entered as two decimal digits), their four-character
// display and their review texts.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace Commands {

inline constexpr char NoCommand[] = "No Command";
inline constexpr char InvalidEntry[] = "Invalid Entry";
inline constexpr char Reserved[] = "Reserved";
// The keypad heading of a command number (macros and user inputs).
inline constexpr char EntryHeading[] = "Macro Command";

// Function commands: opcodes 0x11..0x18, argument = function digit 1..8 and state digit.
inline constexpr int FirstFunctionGroup = 0x11;
inline constexpr int FunctionGroupCount = 8;
inline constexpr int FunctionsPerGroup = 8;
// Function names by [opcode - 0x11][function digit - 1]; nullptr is a reserved function.
// clang-format off
inline constexpr std::array<std::array<const char*, FunctionsPerGroup>, FunctionGroupCount>
    FunctionNames = {{
    {"Repeater Transmitter", "CTCSS", "DTMF Access", "CTCSS Override", "Turn On Delay",
     "DTMF Window", "DTMF Muting", "Control Operator CTCSS"},
    {"Repeater Timeout Timer", "Squelch Tail", "Scheduler", "DTMF Pad Test", "CTCSS OR Logic",
     "Grandfather Clock Sleep", "Courtesy Beep", "Talk Over Voice"},
    {"ID #1 (At Rest)", "ID #2 (Active)", "Squelch Tail Msg.", "TX Drop Msg", nullptr, nullptr,
     "Time-Of-Day", "Grandfather Clock"},
    {"Autopatch", "Autopatch Timeout", "Long Distance", "Emergency 911", "User Speed Dial",
     "Phone Number Readback", "Autopatch Radio Mute", "Autopatch Pre-Dial"},
    {"Emergency Speed Dial", "Reverse Autopatch", "Long Distance Dial (1)", "Telephone Off Hook",
     "Remote Autopatch", "Telephone Line Busy", "Dial Rate (20PPS)", "Telephone Ring Detector"},
    {"Remote Base Transmit", "Remote Base Receive Only", nullptr, "User Function Switch In #1",
     "User Function Switch In #2", "User Switch Out #1", "User Switch Out #2",
     "User Switch Out #3"},
    {"Expanded UF Output #1", "Expanded UF Output #2", "Expanded UF Output #3",
     "Expanded UF Output #4", "Expanded UF Output #5", "Expanded UF Output #6",
     "Expanded UF Output #7", "Expanded UF Output #8"},
    {"Autopatch CTCSS", "Area Code Lookup", "Prefix Number Lookup", "Speed Dial Pre-Dial",
     "Telephone Announcer", nullptr, nullptr, nullptr},
}};
// clang-format on

// State words by state digit: 0 = off, 1 = on, 2 = momentary (user switch outputs only).
inline constexpr std::array<const char*, 3> StateWords = {" OFF", " ON", " Momentary"};
// The user switch outputs of group 0x16 (functions 6..8) also take the momentary state.
inline constexpr int MomentaryGroup = 0x16;
inline constexpr int FirstMomentaryFunction = 6;
// The one function text the controller's catalogue writes without a space before "ON".
inline constexpr int AtRestIdOpcode = 0x13;
inline constexpr int AtRestIdOnArgument = 0x11;
inline constexpr char AtRestIdOn[] = "ID #1 (At Rest)ON";

// Every other named command. A paired row names the even opcode and its odd partner alike.
enum class Argument {
    Any,      // the argument is not looked at
    Exactly,  // only `value` is valid; any other argument is an invalid entry
    Number,   // the argument follows the text as hex(argument) without leading zeros
};
struct CommandRow {
    int opcode;
    bool paired;
    Argument argument;
    int value;  // for Exactly
    const char* text;
    const char* suffix;  // after the number, for Number
};
// clang-format off
inline constexpr CommandRow NamedCommands[] = {
    {0x00, false, Argument::Any,     0, NoCommand,             ""},
    {0x20, true,  Argument::Exactly, 0, "Send Time Of Day",    ""},
    {0x22, true,  Argument::Exactly, 0, "Send Day Of Week",    ""},
    {0x24, true,  Argument::Exactly, 0, "Send Day And Month",  ""},
    {0x26, true,  Argument::Exactly, 0, "Send Salutations",    ""},
    {0x30, true,  Argument::Number,  0, "Play Voice Message ", ""},
    {0x32, true,  Argument::Number,  0, "Play DVR Track ",     ""},
    {0x34, true,  Argument::Any,     0, "Send CW Buffer",      ""},
    {0x36, true,  Argument::Any,     0, "Send CW Character",   ""},
    {0x50, true,  Argument::Number,  0, "Execute Macro ",      ""},
    {0x52, true,  Argument::Number,  0, "Load Memory File ",   ""},
    {0x60, false, Argument::Number,  0, "Time Delay For ",     " Seconds"},
    {0x62, false, Argument::Exactly, 0, "PTT OFF",             ""},
    {0x62, false, Argument::Exactly, 1, "PTT ON",              ""},
};
// clang-format on

// Speak-word commands: opcodes 0x90..0x99 speak the vocabulary word of bank (low digit of the
// opcode) and index (the argument read as two decimal digits).
inline constexpr int FirstSpeakOpcode = 0x90;
inline constexpr int LastSpeakOpcode = 0x99;

}  // namespace Commands

// One byte as the command display shows it: upper-case hexadecimal, a single decimal digit with a
// leading zero ("05", "12", "A", "FF"). Scheduled times show their hour and minute bytes this way.
QString commandByteDigits(std::uint8_t byte);

// The four-character display of a command: each byte as upper-case hexadecimal, with a leading
// zero only where that form is a single decimal digit ("1110", "0000", "FFFF", "A00" for 0x0A
// 0x00).
QString commandDigits(std::uint8_t opcode, std::uint8_t argument);

// The review text of a command; "Invalid Entry" for whatever the catalogue does not name. A
// speak-word command whose word the vocabulary lacks, or whose argument holds a nibble above 9 and
// so names no word index, reads as the empty text.
QString commandText(std::uint8_t opcode, std::uint8_t argument);
