#include "fields/overview.h"

#include <QCoreApplication>

#include "core/regions.h"

namespace Overview {

const std::vector<Area>& areas() {
    // The menus' order: Codes/Timers, Messages, Macro Op's, Zones, Autopatch, Misc.
    static const std::vector<Area> list = {
        {"codes", QT_TRANSLATE_NOOP("Overview", "Control Codes"), true},
        {"timers", QT_TRANSLATE_NOOP("Overview", "Timers"), true},
        {"unlock", QT_TRANSLATE_NOOP("Overview", "Unlock Number"), false},
        {"voice", QT_TRANSLATE_NOOP("Overview", "Voice Messages"), true},
        {"cw", QT_TRANSLATE_NOOP("Overview", "CW Message"), false},
        {"macros", QT_TRANSLATE_NOOP("Overview", "Macros"), false},
        {"scheduler", QT_TRANSLATE_NOOP("Overview", "Scheduler"), false},
        {"user-inputs", QT_TRANSLATE_NOOP("Overview", "User Inputs"), false},
        {"zones", QT_TRANSLATE_NOOP("Overview", "Zones"), true},
        {"speed-dial", QT_TRANSLATE_NOOP("Overview", "User Speed Dial Numbers"), false},
        {"emergency-speed-dial", QT_TRANSLATE_NOOP("Overview", "Emergency Speed Dial Numbers"),
         false},
        {"pre-dial", QT_TRANSLATE_NOOP("Overview", "Pre-Dial Number"), false},
        {"area-codes", QT_TRANSLATE_NOOP("Overview", "Area Codes"), false},
        {"prefixes", QT_TRANSLATE_NOOP("Overview", "Prefix Codes"), false},
        {"courtesy-tones", QT_TRANSLATE_NOOP("Overview", "Courtesy Tones"), false},
        {"expanded-switches", QT_TRANSLATE_NOOP("Overview", "Expanded Switches"), false},
        {"config", QT_TRANSLATE_NOOP("Overview", "Repeater Configuration"), false},
    };
    return list;
}

std::optional<Place> place(const QString& key) {
    const QString prefix = key.section(QLatin1Char('.'), 0, 0);
    const std::vector<Area>& all = areas();
    for (int a = 0; a < int(all.size()); ++a) {
        if (prefix != QLatin1String(all[a].prefix)) continue;
        Place found{a, std::nullopt};
        if (all[a].blocks) {
            const QString block = key.section(QLatin1Char('.'), 1, 1);
            for (int b = 0; b <= Region::MemorySaveCount; ++b)
                if (block == Fields::blockKey(b)) found.block = b;
            if (!found.block) return std::nullopt;
        }
        return found;
    }
    return std::nullopt;
}

QString areaTitle(int area) {
    return QCoreApplication::translate("Overview", areas().at(std::size_t(area)).title);
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
