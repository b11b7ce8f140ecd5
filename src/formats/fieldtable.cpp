#include "formats/fieldtable.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <vector>

#include "formats/vocabulary.h"

namespace Fields {

namespace {

// The number of every word of the vocabulary, those without a display text too.
const QSet<int>& vocabularyNumbers() {
    static const QSet<int> all = [] {
        QSet<int> numbers;
        for (const Vocabulary::WordEntry& entry : Vocabulary::wordTable())
            numbers.insert(Vocabulary::wordNumber(entry.code));
        return numbers;
    }();
    return all;
}

}  // namespace

void inRecord(FieldList& list, std::size_t first, const QString& key, const QString& name,
              const std::function<QString(const Image&)>& summary,
              const std::function<bool(const Image&)>& inUse) {
    for (std::size_t i = first; i < list.size(); ++i)
        list[i].record = Record{key, name, summary, inUse};
}

namespace {

// The first field of the record that `found` picks, counting records in table order.
template <class Found>
std::size_t recordStart(const FieldList& list, Found found) {
    int row = -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].record) continue;
        if (i == 0 || !list[i - 1].record || list[i - 1].record->name != list[i].record->name)
            ++row;
        if (found(row, *list[i].record)) return i;
    }
    return list.size();
}

}  // namespace

const Field& recordField(const FieldList& list, int row, int column) {
    const std::size_t first = recordStart(list, [row](int r, const Record&) { return r == row; });
    return list.at(first + std::size_t(column));
}

const Field& recordField(const FieldList& list, const QString& record, int column) {
    const std::size_t first =
        recordStart(list, [&record](int, const Record& r) { return r.key == record; });
    return list.at(first + std::size_t(column));
}

QString blockKey(int block) {
    return block == 0 ? QStringLiteral("base") : QStringLiteral("mem%1").arg(block);
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
        if (!digits || !vocabularyNumbers().contains(word.toInt())) return Stored::Refused;
    }
    return field.store(image, {true, words}) ? Stored::Written : Stored::Refused;
}

QString wordsRefusal(int limit) {
    return QStringLiteral("at most %1 words, each a word of the vocabulary").arg(limit);
}

WordsOfText wordsOfText(const QString& text) {
    // Every display text with the numbers of the words that show it, and every word number.
    static const QHash<QString, QList<int>> numbers = [] {
        QHash<QString, QList<int>> byText;
        for (const Vocabulary::WordEntry& entry : Vocabulary::wordTable()) {
            const QString shown = QString::fromUtf8(entry.text);
            if (!shown.isEmpty()) byText[shown].append(Vocabulary::wordNumber(entry.code));
        }
        return byText;
    }();
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const qsizetype n = tokens.size();
    // ways[i]: how many strings of words tokens i.. read as (2 stands for "more than one"), and
    // the first word of one of them with the token it ends before.
    std::vector<int> ways(n + 1, 0);
    std::vector<std::pair<int, qsizetype>> first(n + 1, {-1, n});
    QStringList unclear;  // the texts met that more than one word shows
    ways[n] = 1;
    for (qsizetype i = n - 1; i >= 0; --i) {
        const QString& token = tokens[i];
        // "{123}": the word of that number, whether the vocabulary has it or not (the store
        // refuses a number that names no word, as the composer offers none).
        if (token.size() >= 5 && token.size() <= 6 && token.startsWith(QLatin1Char('{')) &&
            token.endsWith(QLatin1Char('}'))) {
            const QString digits = token.mid(1, token.size() - 2);
            const bool numeric = std::all_of(digits.begin(), digits.end(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            });
            if (numeric && ways[i + 1]) {
                ways[i] = ways[i + 1];
                first[i] = {digits.toInt(), i + 1};
            }
            continue;
        }
        QString shown;
        for (qsizetype end = i + 1; end <= n; ++end) {
            shown += (end > i + 1 ? QStringLiteral(" ") : QString()) + tokens[end - 1];
            const auto it = numbers.constFind(shown);
            if (it == numbers.constEnd() || !ways[end]) continue;
            ways[i] = std::min(2, ways[i] + int(it->size()) * ways[end]);
            first[i] = {it->front(), end};
            if (it->size() > 1 && !unclear.contains(shown)) {
                QStringList alternatives;
                for (int number : *it) alternatives << Vocabulary::wordNumberText(number);
                unclear << QStringLiteral("\"%1\" is %2")
                               .arg(shown, alternatives.join(QStringLiteral(" or ")));
            }
        }
    }
    WordsOfText result;
    if (ways[0] == 0) {
        result.problem = QStringLiteral("no string of vocabulary words reads \"%1\"").arg(text);
    } else if (ways[0] > 1) {
        result.problem = QStringLiteral(
                             "reads as more than one string of words (%1); write "
                             "{NNN} for word number NNN where it is unclear")
                             .arg(unclear.join(QStringLiteral(", ")));
    } else {
        for (qsizetype i = 0; i < n; i = first[i].second)
            result.words.append(Vocabulary::wordNumberText(first[i].first));
    }
    return result;
}

QString writtenWords(const QStringList& words) {
    // "{?}" for a stored word no number names: nothing reads it back, as the composer cannot
    // enter it.
    if (words.contains(QString())) {
        QStringList tokens;
        for (const QString& word : words) {
            const QString shown = Vocabulary::wordText(Vocabulary::wordCode(word.toInt()));
            tokens << (word.isEmpty()    ? QStringLiteral("{?}")
                       : shown.isEmpty() ? QLatin1Char('{') + word + QLatin1Char('}')
                                         : shown);
        }
        return tokens.join(QLatin1Char(' '));
    }
    QStringList tokens;
    for (const QString& word : words) {
        const int number = word.toInt();
        const QString shown = Vocabulary::wordText(Vocabulary::wordCode(number));
        const bool plain = !shown.isEmpty() && wordsOfText(shown).words == QStringList{word};
        tokens << (plain ? shown : QLatin1Char('{') + word + QLatin1Char('}'));
    }
    // Texts that read together as other words: name them by number, first to last, until the
    // whole reads back as the words.
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (wordsOfText(tokens.join(QLatin1Char(' '))).words == words) break;
        tokens[i] = QLatin1Char('{') + words[i] + QLatin1Char('}');
    }
    return tokens.join(QLatin1Char(' '));
}

ByteRanges differingRanges(const Image& before, const Image& after) {
    ByteRanges ranges;
    for (int i = 0; i < ImageSize; ++i) {
        if (before[i] == after[i]) continue;
        if (!ranges.empty() && ranges.back().first + ranges.back().length == i)
            ++ranges.back().length;
        else
            ranges.push_back({i, 1});
    }
    return ranges;
}

bool overlaps(const ByteRanges& runs, const ByteRanges& others) {
    for (const ByteRange& run : runs)
        for (const ByteRange& other : others)
            if (overlaps(run, other)) return true;
    return false;
}

bool readsFrom(const Field& field, const Image& image, const ByteRanges& changed) {
    return field.reads && overlaps(field.reads(image), changed);
}

}  // namespace Fields
