#include "fields/overview.h"

#include <QCoreApplication>
#include <QHash>

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
