#include "formats/fieldtable.h"

#include "formats/vocabulary.h"

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

QString wordsAnswer(const QStringList& words) { return words.join(QLatin1Char(' ')); }

Stored storeWords(Image& image, const WordStringField& field, int limit, const QString& answer) {
    const QStringList words = answer.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() > limit) return Stored::Refused;
    for (const QString& word : words) {
        bool digits = word.size() == 3;
        for (QChar c : word) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digits || Vocabulary::wordText(Vocabulary::wordCode(word.toInt())).isEmpty())
            return Stored::Refused;
    }
    return field.store(image, {true, words}) ? Stored::Written : Stored::Refused;
}

QString wordsRefusal(int limit) {
    return QStringLiteral(
               "At most %1 words, each the three-digit number of a word of the "
               "vocabulary.")
        .arg(limit);
}

}  // namespace Fields
