#include "devices/zones.h"

namespace {
bool validBlock(int block) { return block >= 0 && block < Region::BlockCount; }
bool validFlag(int block, int zone, int flag) {
    return validBlock(block) && zone >= 1 && zone <= ZoneCount && flag >= 1 && flag <= FlagsPerZone;
}
}  // namespace

int firstZoneOffset(int block) { return validBlock(block) ? Region::zonesStart(block) : -1; }

QString zoneTabCaption(int zone) { return QStringLiteral("Zone %1").arg(zone); }

QString zoneFlagCaption(int zone, int flag) {
    if (zone < 1 || zone > ZoneCount || flag < 1 || flag > FlagsPerZone) return {};
    return QString::fromLatin1(ZoneFlagCaptions[zone - 1][flag - 1]);
}

bool zoneFlag(const Image& image, int block, int zone, int flag) {
    return validFlag(block, zone, flag) &&
           bitValue(image[firstZoneOffset(block) + zone - 1], flag - 1) == 1;
}

void setZoneFlag(Image& image, int block, int zone, int flag, bool on) {
    if (!validFlag(block, zone, flag)) return;
    std::uint8_t& byte = image[firstZoneOffset(block) + zone - 1];
    const auto bit = static_cast<std::uint8_t>(1 << (flag - 1));
    byte = static_cast<std::uint8_t>(on ? byte | bit : byte & ~bit);
}
