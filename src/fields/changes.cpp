#include "fields/changes.h"

#include <QHash>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "fields/catalogue.h"
#include "formats/keypadrules.h"

namespace Changes {

namespace {

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// The field a key names, as an index into the catalogue; -1 for none.
int fieldIndex(const Fields::FieldList& catalogue, const QString& key) {
    static QHash<QString, int> indexes[2];
    QHash<QString, int>& index = indexes[&catalogue == &Fields::catalogue(true) ? 1 : 0];
    if (index.isEmpty())
        for (std::size_t i = 0; i < catalogue.size(); ++i) index.insert(catalogue[i].key, int(i));
    return index.value(key, -1);
}

// How a refused keypad value is written: the keypad's own message where it has one, then the
// field's form, or the keys the keypad takes.
QString keypadProblem(const Fields::Field& field, const KeypadRequest& request,
                      const QString& message) {
    const QString form = field.form.isEmpty()
                             ? QStringLiteral("the keypad takes ") + Keypad::entryForm(request)
                             : field.form;
    return message.isEmpty() ? form : message + QStringLiteral("; ") + form;
}

// Stores `value` in `field` as the editor would store what the user entered; the reason when the
// editor would not take it.
QString store(const Fields::Field& field, Image& image, const QString& value) {
    switch (field.edit) {
        case Fields::Edit::ReadOnly:
        case Fields::Edit::Event:
        case Fields::Edit::Setting:
            return {};  // checked after every store
        default:
            break;
    }
    if (!field.store) return QStringLiteral("not a value this field is set to from text");
    const std::optional<QString> written = field.writtenAnswer(value);
    // Not in the field's form: its form, after the message of the field's keypad entry (which
    // never refuses the empty entry).
    if (!written)
        return value.isEmpty() || field.refusal.isEmpty()
                   ? field.form
                   : field.refusal + QStringLiteral("; ") + field.form;
    QString answer = *written;
    if (field.edit == Fields::Edit::Composer) {
        const Fields::WordsOfText words = Fields::wordsOfText(value);
        if (!words.problem.isEmpty()) return words.problem;
        answer = Fields::wordsAnswer(words.words);
    }
    // Only what the keypad hands back after OK for the entry the field opens it with.
    if (field.edit == Fields::Edit::Keypad && field.request) {
        const KeypadRequest request = field.request(image);
        if (const std::optional<Keypad::Refusal> refusal = Keypad::accepts(request, answer))
            return keypadProblem(field, request, refusal->text);
    }
    Image trial = image;
    if (field.store(trial, answer) == Fields::Stored::Refused)
        return field.refusal.isEmpty() ? QStringLiteral("not a value of this field")
                                       : field.refusal;
    // Shown as written, or in the field's own form of the same answer ("5:00" as 05:00).
    const QString shown = field.value(trial);
    if (shown != value && (!field.answer || field.writtenAnswer(shown) != answer))
        return QStringLiteral(
                   "not written as the field shows its values: stored, it would "
                   "show as %1")
            .arg(quoted(shown));
    image = trial;
    return {};
}

// The edits that turn one text into the other (a letter added, left out or replaced).
int editDistance(const QString& a, const QString& b) {
    std::vector<int> row(std::size_t(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[std::size_t(j)];
            row[std::size_t(j)] = std::min({above + 1, row[std::size_t(j - 1)] + 1,
                                            diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// "no such key", naming the key nearest to it when one is near (a third of its letters at most)
// and `suggest` is set.
QString unknownKey(const Fields::FieldList& catalogue, const QString& key, bool suggest) {
    const Fields::Field* nearest = nullptr;
    if (!suggest) return QStringLiteral("no such key");
    int best = std::max(2, int(key.size()) / 3) + 1;
    for (const Fields::Field& field : catalogue) {
        if (std::abs(field.key.size() - key.size()) >= best) continue;
        const int distance = editDistance(key.toLower(), field.key);
        if (distance < best) {
            best = distance;
            nearest = &field;
        }
    }
    return nearest ? QStringLiteral("no such key; did you mean %1?").arg(nearest->key)
                   : QStringLiteral("no such key");
}

// Why a field that is not stored on its own cannot show `value`; checked after every store.
QString derivedProblem(const Fields::Field& field, bool fourMemorySaves) {
    switch (field.edit) {
        case Fields::Edit::Setting:
            return QStringLiteral(
                       "must name the memory layout in effect (%1 memory saves); "
                       "choose the layout with --memory-saves")
                .arg(fourMemorySaves ? 4 : 3);
        default:
            return field.shownFrom.isEmpty()
                       ? QStringLiteral("shown only; it is not set")
                       : QStringLiteral("shown from %1; set that instead").arg(field.shownFrom);
    }
}

}  // namespace

Request readText(const QString& text) {
    Request request;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const int number = int(i + 1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(std::max<qsizetype>(equals, 0)).trimmed();
        if (equals < 0 || key.isEmpty() || key.contains(QLatin1Char(' '))) {
            request.refusals.push_back({number, key, QStringLiteral("not a \"key = value\" line")});
            continue;
        }
        QString value = line.mid(equals + 1);
        if (value.startsWith(QLatin1Char(' '))) value.remove(0, 1);
        request.lines.push_back({number, key, value});
    }
    return request;
}

Request readArguments(const QStringList& arguments) {
    Request request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const qsizetype equals = arguments[i].indexOf(QLatin1Char('='));
        const QString key = arguments[i].left(std::max<qsizetype>(equals, 0));
        if (equals <= 0 || key.contains(QLatin1Char(' ')))
            request.refusals.push_back(
                {int(i + 1), key, QStringLiteral("not a KEY=VALUE argument")});
        else
            request.lines.push_back({int(i + 1), key, arguments[i].mid(equals + 1)});
    }
    return request;
}

Outcome apply(const Image& image, const std::vector<Line>& lines, bool fourMemorySaves) {
    const Fields::FieldList& catalogue = Fields::catalogue(fourMemorySaves);
    Outcome outcome{image, {}};
    QHash<QString, int> given;  // key -> the line that gave it
    int unknown = 0;            // unknown keys so far: only those named get a suggestion
    std::vector<std::pair<const Line*, int>> derived;
    for (const Line& line : lines) {
        const int index = fieldIndex(catalogue, line.key);
        if (index < 0) {
            const bool otherLayout = fieldIndex(Fields::catalogue(!fourMemorySaves), line.key) >= 0;
            outcome.refusals.push_back(
                {line.number, line.key,
                 otherLayout ? QStringLiteral("not a key of the memory layout in effect (%1 "
                                              "memory saves)")
                                   .arg(fourMemorySaves ? 4 : 3)
                             : unknownKey(catalogue, line.key, unknown++ < MostRefusalsNamed)});
            continue;
        }
        if (given.contains(line.key)) {
            outcome.refusals.push_back(
                {line.number, line.key,
                 QStringLiteral("given twice (first on line %1)").arg(given.value(line.key))});
            continue;
        }
        given.insert(line.key, line.number);
        const Fields::Field& field = catalogue[std::size_t(index)];
        if (field.value(outcome.image) == line.value) continue;
        const QString problem = store(field, outcome.image, line.value);
        if (!problem.isEmpty())
            outcome.refusals.push_back({line.number, line.key, problem});
        else if (field.edit == Fields::Edit::Setting || field.edit == Fields::Edit::Event ||
                 field.edit == Fields::Edit::ReadOnly)
            derived.emplace_back(&line, index);
    }
    // Fields stored together: each group given on some line is stored once, from the values
    // given and the shown ones of the fields not given.
    QHash<QString, QString> groupProblems;
    for (const auto& [line, index] : derived) {
        const Fields::Field& field = catalogue[std::size_t(index)];
        if (field.together.isEmpty() || groupProblems.contains(field.together)) continue;
        QStringList values;
        for (const Fields::Field& member : catalogue) {
            if (member.together != field.together) continue;
            const auto given = std::find_if(derived.begin(), derived.end(), [&](const auto& d) {
                return catalogue[std::size_t(d.second)].key == member.key;
            });
            values << (given != derived.end() ? given->first->value : member.value(outcome.image));
        }
        Image trial = outcome.image;
        const QString problem = field.storeTogether(trial, values);
        if (problem.isEmpty()) outcome.image = trial;
        groupProblems.insert(field.together, problem);
    }
    // A field shown only is right when its source made it so; one with a store of its own (a
    // macro review of a row that shows no commands) is stored now, after every other field.
    for (const auto& [line, index] : derived) {
        const Fields::Field& field = catalogue[std::size_t(index)];
        if (!field.together.isEmpty()) {
            const QString problem = groupProblems.value(field.together);
            if (!problem.isEmpty())
                outcome.refusals.push_back({line->number, line->key, problem});
            else if (field.value(outcome.image) != line->value)
                outcome.refusals.push_back(
                    {line->number, line->key,
                     QStringLiteral("not written as the field shows its values: stored, it would "
                                    "show as %1")
                         .arg(quoted(field.value(outcome.image)))});
            continue;
        }
        if (field.value(outcome.image) == line->value) continue;
        Image trial = outcome.image;
        if (field.store && field.store(trial, line->value) != Fields::Stored::Refused &&
            field.value(trial) == line->value)
            outcome.image = trial;
        else
            outcome.refusals.push_back(
                {line->number, line->key, derivedProblem(field, fourMemorySaves)});
    }
    if (!outcome.refusals.empty()) {
        outcome.image = image;
        std::sort(outcome.refusals.begin(), outcome.refusals.end(),
                  [](const Refusal& a, const Refusal& b) { return a.line < b.line; });
    }
    return outcome;
}

QString refusalText(const std::vector<Refusal>& refusals, const QString& source) {
    QString text;
    for (std::size_t i = 0; i < std::min(refusals.size(), std::size_t(MostRefusalsNamed)); ++i) {
        const Refusal& refusal = refusals[i];
        text += QStringLiteral("%1:%2: %3: %4\n")
                    .arg(source)
                    .arg(refusal.line)
                    .arg(refusal.key.isEmpty() ? QStringLiteral("(no key)") : refusal.key,
                         refusal.reason);
    }
    if (refusals.size() > std::size_t(MostRefusalsNamed))
        text += QStringLiteral("\u2026 and %1 more\n").arg(refusals.size() - MostRefusalsNamed);
    return text;
}

}  // namespace Changes
