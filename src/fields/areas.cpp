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
    {CodeFields::ControlCodesKey, QT_TRANSLATE_NOOP("Overview", "Control Codes"), true,
     ofBlock<CodeFields::controlCodes>, "mnuBaseCodes", "mnuMemCodes", 3},
    {DeviceFields::TimersKey, QT_TRANSLATE_NOOP("Overview", "Timers"), true,
     ofBlock<DeviceFields::timers>, "mnuBaseTimers", "mnuMemTimers", 4},
    {CodeFields::UnlockKey, QT_TRANSLATE_NOOP("Overview", "Unlock Number"), false,
     whole<CodeFields::unlockNumber>, "mnuUnlock", nullptr, 1},
    {VoiceFields::Key, QT_TRANSLATE_NOOP("Overview", "Voice Messages"), true,
     ofBlock<VoiceFields::messages>, "mnuBaseVoice", "mnuMemVoice", 5},
    {DeviceFields::CwKey, QT_TRANSLATE_NOOP("Overview", "CW Message"), false,
     whole<DeviceFields::cwMessage>, "mnuCW", nullptr, 14},
    {CommandFields::MacrosKey, QT_TRANSLATE_NOOP("Overview", "Macros"), false,
     whole<CommandFields::macros>, "mnuMacros", nullptr, 7},
    {CommandFields::SchedulerKey, QT_TRANSLATE_NOOP("Overview", "Scheduler"), false,
     whole<CommandFields::scheduler>, "mnuScheduler", nullptr, 8},
    {DeviceFields::UserInputsKey, QT_TRANSLATE_NOOP("Overview", "User Inputs"), false,
     whole<DeviceFields::userInputs>, "mnuUserInputs", nullptr, 16},
    {DeviceFields::ZonesKey, QT_TRANSLATE_NOOP("Overview", "Zones"), true,
     ofBlock<DeviceFields::zones>, "mnuBaseZones", "mnuMemZones", 6},
    {CodeFields::SpeedDialKey, QT_TRANSLATE_NOOP("Overview", "User Speed Dial Numbers"), false,
     whole<CodeFields::userSpeedDials>, "mnuUserSpeed", nullptr, 9},
    {CodeFields::EmergencyKey, QT_TRANSLATE_NOOP("Overview", "Emergency Speed Dial Numbers"), false,
     whole<CodeFields::emergencySpeedDials>, "mnuEmergency", nullptr, 10},
    {CodeFields::PreDialKey, QT_TRANSLATE_NOOP("Overview", "Pre-Dial Number"), false,
     whole<CodeFields::preDialNumber>, "mnuPreDial", nullptr, 2},
    // The area-code and prefix tables take the fourth memory save's place.
    {CodeFields::AreaCodesKey, QT_TRANSLATE_NOOP("Overview", "Area Codes"), false,
     [](int, bool four) { return four ? FieldList() : CodeFields::areaCodes(); },
     "mnuAreaCodes", nullptr, 11},
    {CodeFields::PrefixesKey, QT_TRANSLATE_NOOP("Overview", "Prefix Codes"), false,
     [](int, bool four) { return four ? FieldList() : CodeFields::prefixes(); },
     "mnuPrefixes", nullptr, 12},
    {DeviceFields::CourtesyTonesKey, QT_TRANSLATE_NOOP("Overview", "Courtesy Tones"), false,
     whole<DeviceFields::courtesyTones>, "mnuCourtesy", nullptr, 13},
    {DeviceFields::ExpandedSwitchesKey, QT_TRANSLATE_NOOP("Overview", "Expanded Switches"), false,
     whole<DeviceFields::expandedSwitches>, "mnuExpanded", nullptr, 15},
    {ConfigFields::Key, QT_TRANSLATE_NOOP("Overview", "Repeater Configuration"), false,
     [](int, bool four) { return ConfigFields::configuration(four); },
     "mnuRepeaterConfig", nullptr, 0},
};
// clang-format on

}  // namespace

std::span<const Area> areas() { return Table; }

QString editorItem(const Area& area, int block) {
    return block == 0 || !area.blocks ? QLatin1String(area.item)
                                      : QLatin1String(area.memoryItem) + QString::number(block);
}

QString editorItem(const Field& field) {
    if (field.area < 0 || field.area >= int(std::size(Table))) return {};
    return editorItem(Table[field.area], field.block.value_or(0));
}

}  // namespace Fields
