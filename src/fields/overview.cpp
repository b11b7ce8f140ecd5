#include "fields/overview.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <algorithm>

#include "fields/areas.h"
#include "formats/commands.h"

namespace Overview {

QString areaTitle(int area) {
    return QCoreApplication::translate("Overview", Fields::areas()[std::size_t(area)].title);
}

QString blockTitle(int block) {
    return block == 0 ? QCoreApplication::translate("Overview", "Base")
                      : QCoreApplication::translate("Overview", "Memory Save #%1").arg(block);
}

bool matches(const Fields::Field& field, const QString& shown, const QString& filter) {
    return field.caption.contains(filter, Qt::CaseInsensitive) ||
           shown.contains(filter, Qt::CaseInsensitive) ||
           field.key.contains(filter, Qt::CaseInsensitive);
}

QString shownValue(const Fields::Field& field, const Image& image) {
    const QString text = field.text(image);
    return field.unit.isEmpty() || isEmptyValue(text) ? text : text + QLatin1Char(' ') + field.unit;
}

QString placeOf(const Fields::Field& field) {
    QStringList words;
    if (field.block) words << blockTitle(*field.block);
    if (field.record) words << field.record->name;
    return words.join(QLatin1Char(' '));
}

QString recordTitle(const Fields::Record& record, const Image& image) {
    const QString summary = record.summary ? record.summary(image) : QString();
    return summary.isEmpty() ? record.name : record.name + QStringLiteral(" (") + summary + ')';
}

QString changeName(const Fields::FieldList& fields, const Image& before, const Image& after,
                   const Fields::ByteRanges& ranges) {
    std::vector<const Fields::Field*> changed;
    for (const Fields::Field& field : fields) {
        // A review is named by its command; a value kept in the settings has no bytes.
        if (field.edit == Fields::Edit::ReadOnly || !field.shownFrom.isEmpty() || !field.reads)
            continue;
        if (!Fields::readsFrom(field, before, ranges) && !Fields::readsFrom(field, after, ranges))
            continue;
        if (field.value(before) != field.value(after)) changed.push_back(&field);
    }
    if (changed.empty()) return {};
    const Fields::Field& first = *changed.front();
    if (changed.size() > 1) {
        // Values of one record that changed together (a trigger given to an empty macro shows
        // its commands) are named by their record.
        const bool oneRecord = std::all_of(changed.begin(), changed.end(), [&first](auto* f) {
            return first.record && f->record && f->record->name == first.record->name &&
                   f->area == first.area && f->block == first.block;
        });
        return oneRecord ? placeOf(first) : QString();
    }
    // A caption that names its record already ("Switch Group 1, BITS 2") is not preceded by it
    // again, and a record named by its one field ("Area Code 4") needs no caption after it.
    QString place = placeOf(first);
    QString caption = first.caption;
    if (first.record && caption.contains(first.record->name))
        place = first.block ? blockTitle(*first.block) : QString();
    else if (first.record && first.record->name.endsWith(QLatin1Char(' ') + caption))
        caption.clear();
    if (place.isEmpty() || caption.isEmpty()) return place + caption;
    return place + QLatin1Char(' ') + caption;
}

bool isEmptyValue(const QString& shown) { return shown.trimmed().isEmpty(); }

std::vector<bool> emptyValues(const Fields::FieldList& fields, const std::vector<QString>& shown,
                              const Image& image) {
    std::vector<bool> empty(fields.size());
    QHash<QString, std::size_t> index;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Fields::Field& field = fields[i];
        index.insert(field.key, i);
        const bool unused = field.record && field.record->inUse && !field.record->inUse(image);
        empty[i] = unused || isEmptyValue(shown[i]);
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].shownFrom.isEmpty() || shown[i] != QLatin1String(Commands::NoCommand))
            continue;
        empty[i] = true;
        if (const auto command = index.constFind(fields[i].shownFrom); command != index.constEnd())
            empty[*command] = true;
    }
    return empty;
}

}  // namespace Overview
