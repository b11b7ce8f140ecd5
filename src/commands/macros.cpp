#include "commands/macros.h"

#include <algorithm>

#include "formats/dtmfcodec.h"
#include "formats/fields.h"

namespace Macros {

namespace {

// Whether a shown command packs back into the bytes it was read from: the empty text of a row
// the grid leaves empty, or four decimal digits. A hexadecimal digit ("FFFF", "1A10", "A00")
// shows bytes the keypad's digits cannot give back.
bool packsBack(const QString& command) {
    if (command.isEmpty()) return true;
    if (command.size() != CommandLimit) return false;
    return std::all_of(command.begin(), command.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

}  // namespace

MacroRow macroRow(const Image& image, int n) {
    MacroRow row;
    if (image[macroOffset(n)] == 0) return row;
    row.trigger = digitFieldText(image, macroOffset(n), TriggerLimit);
    for (int k = 1; k <= CommandsPerMacro; ++k)
        row.commands[k - 1] = CommandField{commandOffset(n, k)}.digits(image);
    return row;
}

void storeMacro(Image& image, int n, const MacroRow& row) {
    storeDigitField(image, macroOffset(n), row.trigger, LengthRule::Characters);
    for (int k = 1; k <= CommandsPerMacro; ++k)
        CommandField{commandOffset(n, k)}.store(image, row.commands[k - 1]);
}

void storeTrigger(Image& image, int n, const QString& answer) {
    MacroRow row = macroRow(image, n);
    row.trigger = answer;
    storeMacro(image, n, row);
}

bool storeCommand(Image& image, int n, int k, const QString& answer) {
    MacroRow row = macroRow(image, n);
    QString& command = row.commands[k - 1];
    if (answer == command && !packsBack(command)) return false;
    command = answer;
    storeMacro(image, n, row);
    return true;
}

QString numberText(int n) { return QLatin1Char(' ') + QString::number(n); }

QString reviewTitle(int n) { return QString::fromLatin1(ReviewTitle).arg(n); }

QString reviewText(const Image& image, int n, int k) {
    return CommandField{commandOffset(n, k)}.reviewText(image);
}

KeypadRequest triggerRequest(int n, const QString& shown) {
    return {KeySet::Codes, TriggerLimit, QLatin1String(TriggerHeading) + QString::number(n), shown,
            EntryCheck::AtMost15};
}

KeypadRequest commandRequest(const QString& shown) {
    return {KeySet::Digits, CommandLimit, QLatin1String(CommandHeading), shown,
            EntryCheck::FourDigits};
}

}  // namespace Macros
