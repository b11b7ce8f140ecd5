#include "fields/areas.h"

#include <QCoreApplication>

#include "codes/codefields.h"
#include "commands/commandfields.h"
#include "devices/devicefields.h"
#include "memory/configfields.h"
#include "voice/voicefields.h"

namespace Fields {

namespace {

// A table that is the same in both layouts and has no blocks.
template <FieldList (*Table)()>
FieldList whole(int, bool) {
    return Table();
}

// A table of one block.
template <FieldList (*Table)(int)>
FieldList ofBlock(int block, bool) {
    return Table(block);
}

// clang-format off
constexpr Area Table[] = {
    {"codes", QT_TRANSLATE_NOOP("Overview", "Control Codes"), true,
     ofBlock<CodeFields::controlCodes>, "mnuBaseCodes", "mnuMemCodes", 3},
    {"timers", QT_TRANSLATE_NOOP("Overview", "Timers"), true,
     ofBlock<DeviceFields::timers>, "mnuBaseTimers", "mnuMemTimers", 4},
    {"unlock", QT_TRANSLATE_NOOP("Overview", "Unlock Number"), false,
     whole<CodeFields::unlockNumber>, "mnuUnlock", nullptr, 1},
    {"voice", QT_TRANSLATE_NOOP("Overview", "Voice Messages"), true,
     ofBlock<VoiceFields::messages>, "mnuBaseVoice", "mnuMemVoice", 5},
    {"cw", QT_TRANSLATE_NOOP("Overview", "CW Message"), false,
     whole<DeviceFields::cwMessage>, "mnuCW", nullptr, 14},
    {"macros", QT_TRANSLATE_NOOP("Overview", "Macros"), false,
     whole<CommandFields::macros>, "mnuMacros", nullptr, 7},
    {"scheduler", QT_TRANSLATE_NOOP("Overview", "Scheduler"), false,
     whole<CommandFields::scheduler>, "mnuScheduler", nullptr, 8},
    {"user-inputs", QT_TRANSLATE_NOOP("Overview", "User Inputs"), false,
     whole<DeviceFields::userInputs>, "mnuUserInputs", nullptr, 16},
    {"zones", QT_TRANSLATE_NOOP("Overview", "Zones"), true,
     ofBlock<DeviceFields::zones>, "mnuBaseZones", "mnuMemZones", 6},
    {"speed-dial", QT_TRANSLATE_NOOP("Overview", "User Speed Dial Numbers"), false,
     whole<CodeFields::userSpeedDials>, "mnuUserSpeed", nullptr, 9},
    {"emergency-speed-dial", QT_TRANSLATE_NOOP("Overview", "Emergency Speed Dial Numbers"), false,
     whole<CodeFields::emergencySpeedDials>, "mnuEmergency", nullptr, 10},
    {"pre-dial", QT_TRANSLATE_NOOP("Overview", "Pre-Dial Number"), false,
     whole<CodeFields::preDialNumber>, "mnuPreDial", nullptr, 2},
    // The area-code and prefix tables take the fourth memory save's place.
    {"area-codes", QT_TRANSLATE_NOOP("Overview", "Area Codes"), false,
     [](int, bool four) { return four ? FieldList() : CodeFields::areaCodes(); },
     "mnuAreaCodes", nullptr, 11},
    {"prefixes", QT_TRANSLATE_NOOP("Overview", "Prefix Codes"), false,
     [](int, bool four) { return four ? FieldList() : CodeFields::prefixes(); },
     "mnuPrefixes", nullptr, 12},
    {"courtesy-tones", QT_TRANSLATE_NOOP("Overview", "Courtesy Tones"), false,
     whole<DeviceFields::courtesyTones>, "mnuCourtesy", nullptr, 13},
    {"expanded-switches", QT_TRANSLATE_NOOP("Overview", "Expanded Switches"), false,
     whole<DeviceFields::expandedSwitches>, "mnuExpanded", nullptr, 15},
    {"config", QT_TRANSLATE_NOOP("Overview", "Repeater Configuration"), false,
     [](int, bool four) { return ConfigFields::configuration(four); },
     "mnuRepeaterConfig", nullptr, 0},
};
// clang-format on

}  // namespace

std::span<const Area> areas() { return Table; }

QString editorItem(const Field& field) {
    if (field.area < 0 || field.area >= int(std::size(Table))) return {};
    const Area& area = Table[field.area];
    if (!area.blocks) return QLatin1String(area.item);
    if (!field.block) return {};
    return *field.block == 0 ? QLatin1String(area.item)
                             : QLatin1String(area.memoryItem) + QString::number(*field.block);
}

}  // namespace Fields
