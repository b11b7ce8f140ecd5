#include "devices/zones.h"

namespace {
bool validBlock(int block) { return block >= 0 && block < Region::BlockCount; }
}  // namespace

int firstZoneOffset(int block) { return validBlock(block) ? Region::zonesStart(block) : -1; }

QString zoneTabCaption(int zone) { return QStringLiteral("Zone %1").arg(zone); }

QString zoneFlagCaption(int zone, int flag) {
    if (zone < 1 || zone > ZoneCount || flag < 1 || flag > FlagsPerZone) return {};
    return QString::fromLatin1(ZoneFlagCaptions[zone - 1][flag - 1]);
}
