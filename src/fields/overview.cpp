#include "fields/overview.h"

#include <QCoreApplication>

#include "fields/areas.h"

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

}  // namespace Overview
