#include "formats/keypadrules.h"

#include <algorithm>

namespace Keypad {

bool keyShown(KeySet keySet, QChar key) {
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) return true;
    for (const KeySetRow& row : KeySets) {
        if (row.keySet == keySet) return QLatin1String(row.optionalKeys).contains(key);
    }
    return false;
}

std::optional<Refusal> check(EntryCheck check, const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    for (const CheckRow& row : Checks) {
        if (row.check != check) continue;
        bool accepted = true;
        switch (row.test) {
            case Test::Anything:
                break;
            case Test::Exactly:
                accepted = text.size() == row.length;
                break;
            case Test::AtMost:
                accepted = text.size() <= row.length;
                break;
            case Test::Range1To1800: {
                // A text that is not a whole number (not possible with the digits key set) is
                // refused rather than read as 0 or as its leading digits.
                bool isNumber = false;
                const int value = text.toInt(&isNumber);
                accepted = isNumber && value >= 1 && value <= 1800;
                break;
            }
        }
        if (accepted) return std::nullopt;
        return Refusal{QString::fromLatin1(row.title), QString::fromLatin1(row.text)};
    }
    return std::nullopt;
}

std::optional<Refusal> accepts(const KeypadRequest& request, const QString& text) {
    if (text != request.initial) {
        // The first key replaces the starting text whatever the limit, so one key always fits.
        if (text.size() > std::max(1, request.limit)) return Refusal{};
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!keyShown(request.keySet, text.at(i))) return Refusal{};
            if (i > 0 && text.at(i) == DelayKey && text.at(i - 1) == DelayKey) return Refusal{};
        }
    }
    return check(request.check, text);
}

QString entryForm(const KeypadRequest& request) {
    QString keys = QStringLiteral("0-9");
    for (const KeySetRow& row : KeySets)
        if (row.keySet == request.keySet) keys = QLatin1String(row.keysText);
    QString length = QStringLiteral("at most %1").arg(std::max(1, request.limit));
    for (const CheckRow& row : Checks)
        if (row.check == request.check && row.test == Test::Exactly)
            length = QStringLiteral("exactly %1, or none").arg(row.length);
    return QStringLiteral("keys %1, %2").arg(keys, length);
}

}  // namespace Keypad
