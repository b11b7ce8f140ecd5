#include "formats/fieldtable.h"

namespace Fields {

FieldList withKeyPrefix(FieldList list, const QString& prefix) {
    std::erase_if(list, [&prefix](const Field& field) { return !field.key.startsWith(prefix); });
    return list;
}

QString blockKey(int block) {
    return block == 0 ? QStringLiteral("base") : QStringLiteral("mem%1").arg(block);
}

QString keyWord(const QString& caption) {
    QString word;
    bool dash = false;
    for (QChar c : caption) {
        if (c.isLetterOrNumber()) {
            if (dash && !word.isEmpty()) word += QLatin1Char('-');
            word += c.toLower();
            dash = false;
        } else {
            dash = true;
        }
    }
    return word;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString onOff(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }

std::optional<bool> onOffAnswer(const QString& answer) {
    if (answer == QLatin1String("on")) return true;
    if (answer == QLatin1String("off")) return false;
    return std::nullopt;
}

}  // namespace Fields
