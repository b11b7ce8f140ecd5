#include "commands/macros.h"

#include <QHash>
#include <algorithm>

#include "formats/dtmfcodec.h"
#include "formats/fields.h"

namespace Macros {

MacroRow macroRow(const Image& image, int n) {
    MacroRow row;
    if (image[macroOffset(n)] == 0) return row;
    row.trigger = Dtmf::digitFieldText(image, macroOffset(n), TriggerLimit);
    for (int k = 1; k <= CommandsPerMacro; ++k)
        row.commands[k - 1] = CommandField{commandOffset(n, k)}.digits(image);
    return row;
}

void storeMacro(Image& image, int n, const MacroRow& row) {
    Dtmf::storeDigitField(image, macroOffset(n), row.trigger, Dtmf::LengthRule::Characters);
    for (int k = 1; k <= CommandsPerMacro; ++k)
        CommandField{commandOffset(n, k)}.store(image, row.commands[k - 1]);
}

void storeTrigger(Image& image, int n, const QString& answer) {
    MacroRow row = macroRow(image, n);
    row.trigger = answer;
    storeMacro(image, n, row);
}

void storeCommand(Image& image, int n, int k, const QString& answer) {
    MacroRow row = macroRow(image, n);
    row.commands[k - 1] = answer;
    storeMacro(image, n, row);
}

bool storeHiddenCommand(Image& image, int n, int k, const QString& review) {
    // Every review four digits give, with the lowest digits that give it.
    static const QHash<QString, QString> digitsOf = [] {
        QHash<QString, QString> byReview;
        for (int d = 9999; d >= 0; --d) {
            const QString digits = QStringLiteral("%1").arg(d, 4, 10, QLatin1Char('0'));
            byReview.insert(commandText(Dtmf::packDigitPair(digits.left(2)),
                                        Dtmf::packDigitPair(digits.mid(2))),
                            digits);
        }
        return byReview;
    }();
    if (image[macroOffset(n)] != 0 || !digitsOf.contains(review)) return false;
    CommandField{commandOffset(n, k)}.store(image, digitsOf.value(review));
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
