// The ten macros: where each record lies, what the macro grid shows of it, how a row of the grid
// is stored, and the keypad requests of its fields.
#pragma once

#include <QString>
#include <array>

#include "core/image.h"
#include "core/regions.h"
#include "formats/commands.h"
#include "formats/keypadrequest.h"

namespace Macros {

inline constexpr int Count = Region::MacroCount;
inline constexpr int CommandsPerMacro = 5;
inline constexpr int TriggerLimit = 7;   // keys of a trigger code
inline constexpr int CommandLimit = 4;   // digits of a command
inline constexpr int CommandsStart = 8;  // first command byte inside a record

inline constexpr char Title[] = "Macro Commands";
inline constexpr char Instruction[] =
    "Double click on the macro number along the left side for a review of your commands";
inline constexpr char TriggerHeading[] = "Macro Command #";
inline constexpr const char* CommandHeading = Commands::EntryHeading;
inline constexpr char ReviewTitle[] = "Macro %1 Review";
// The grid's column headings over the trigger codes and the commands (the editor's own, so
// translated in the grid's context).
inline constexpr char GridContext[] = "MacrosDialog";
inline constexpr char TriggerColumnHeading[] = "Trigger Code";
inline constexpr char CommandColumnHeading[] = "Command %1";

// Macro n (1..10).
constexpr int macroOffset(int n) { return Region::Macros + Region::MacroRecord * (n - 1); }
// Command k (1..5) of macro n.
constexpr int commandOffset(int n, int k) { return macroOffset(n) + CommandsStart + 2 * (k - 1); }

static_assert(macroOffset(10) == 1052 && commandOffset(10, 1) == 1060);
static_assert(commandOffset(10, 5) + 2 == Region::Macros + Region::MacrosSize);

// One row of the macro grid: the trigger code and the five commands as the dialog shows them.
struct MacroRow {
    QString trigger;
    std::array<QString, CommandsPerMacro> commands;
};

// The row of macro n: empty when the trigger length byte is 0, whatever the rest holds.
MacroRow macroRow(const Image& image, int n);
// Writes all eighteen bytes of macro n from a grid row: the trigger as a DTMF digit field, each
// command as two packed digit pairs (an empty or non-digit text gives zeros).
void storeMacro(Image& image, int n, const MacroRow& row);

// The grid's store of one confirmed keypad answer: the answer takes the place of the trigger, or
// of command k (1..5), in macro n's row as the grid shows it, and the whole macro is written from
// that row with storeMacro, so the other fields are written as shown (all of them empty for a
// trigger length byte of 0).
// A command shown with other than four decimal digits ("FFFF", "A00") is written as the digits
// it packs to, like any other field of the row.
void storeTrigger(Image& image, int n, const QString& answer);
void storeCommand(Image& image, int n, int k, const QString& answer);

// " 1" .. " 10": the number column and the review's row numbers.
QString numberText(int n);
QString reviewTitle(int n);
// The review text of command k (1..5) of macro n, read from the image.
QString reviewText(const Image& image, int n, int k);
// A row with a trigger length byte of 0 shows none of its commands, though its reviews read their
// bytes. Such bytes are entered by giving the row a trigger, entering the commands and clearing the
// trigger again; this stores, in one step, the four digits whose command reads as `review` (the
// lowest such digits) into command k of such a row. False, and nothing written, for a row that
// shows its commands (the command is set there) or a review no four digits give.
bool storeHiddenCommand(Image& image, int n, int k, const QString& review);

KeypadRequest triggerRequest(int n, const QString& shown);
KeypadRequest commandRequest(const QString& shown);

}  // namespace Macros
