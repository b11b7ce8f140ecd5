#include "fields/compare.h"

#include <QCoreApplication>
#include <QHash>

#include "fields/catalogue.h"
#include "fields/changes.h"
#include "fields/dump.h"

namespace Compare {

namespace {

std::vector<Changes::Line> linesFor(const Image& other, const std::vector<std::size_t>& fields,
                                    bool fourMemorySaves) {
    const Fields::FieldList& all = Fields::catalogue(fourMemorySaves);
    std::vector<Changes::Line> lines;
    for (std::size_t i : fields)
        if (i < all.size())
            lines.push_back({int(lines.size()) + 1, all[i].key, all[i].value(other)});
    return lines;
}

QString shownOnlyReason(const Fields::Field& field) {
    if (field.edit != Fields::Edit::ReadOnly && field.shownFrom.isEmpty()) return {};
    return QCoreApplication::translate("Compare",
                                       "This value is only shown; copy the values it is made of.");
}

QString firstRefusal(const Changes::Outcome& outcome) {
    if (outcome.refusals.empty()) return {};
    return outcome.refusals.front().key + QStringLiteral(": ") + outcome.refusals.front().reason;
}

}  // namespace

Comparison compare(const Image& document, const Image& other, bool fourMemorySaves) {
    const Dump::Difference difference = Dump::difference(document, other, fourMemorySaves);
    Comparison result;
    result.identical = difference.identical;
    result.otherBytes = difference.otherBytes;
    const Fields::FieldList& fields = Fields::catalogue(fourMemorySaves);
    QHash<QString, std::size_t> index;
    for (std::size_t i = 0; i < fields.size(); ++i) index.insert(fields[i].key, i);
    for (const Dump::Change& change : difference.changes) {
        Row row{index.value(change.key), change.before, change.after, {}};
        row.shownOnly = shownOnlyReason(fields[row.field]);
        result.rows.push_back(row);
    }
    return result;
}

QString copyRefusal(const Image& document, const Image& other,
                    const std::vector<std::size_t>& fields, bool fourMemorySaves) {
    const Fields::FieldList& all = Fields::catalogue(fourMemorySaves);
    for (std::size_t i : fields) {
        if (i >= all.size()) continue;
        if (QString shownOnly = shownOnlyReason(all[i]); !shownOnly.isEmpty()) return shownOnly;
    }
    return firstRefusal(
        Changes::apply(document, linesFor(other, fields, fourMemorySaves), fourMemorySaves));
}

QString copyToDocument(Image& document, const Image& other, const std::vector<std::size_t>& fields,
                       bool fourMemorySaves) {
    if (QString refused = copyRefusal(document, other, fields, fourMemorySaves); !refused.isEmpty())
        return refused;
    document =
        Changes::apply(document, linesFor(other, fields, fourMemorySaves), fourMemorySaves).image;
    return {};
}

}  // namespace Compare
