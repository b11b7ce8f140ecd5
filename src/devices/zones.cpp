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

int bitValue(int byte, int bit) {
    if (bit < 0 || bit > 7) return 0;
    return (byte >> bit) & 1;
}

std::uint8_t zoneByte(const std::array<bool, FlagsPerZone>& flags) {
    int byte = 0;
    for (int k = 0; k < FlagsPerZone; ++k)
        if (flags[k]) byte |= 1 << k;
    return static_cast<std::uint8_t>(byte);
}
