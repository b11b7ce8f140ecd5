// The editor menu commands of the main window: which dialog each menu item builds, on which block,
// and how it is shown. Adding an editor is adding its row.
#include "app/editortable.h"

#include <optional>

#include "codes/areacodesdialog.h"
#include "codes/controlcodesdialog.h"
#include "codes/prefixcodesdialog.h"
#include "codes/singlecodedialog.h"
#include "codes/speeddialdialog.h"
#include "commands/macrosdialog.h"
#include "commands/schedulerdialog.h"
#include "devices/courtesytonesdialog.h"
#include "devices/cwmessagedialog.h"
#include "devices/expandedswitchesdialog.h"
#include "devices/timersdialog.h"
#include "devices/userinputsdialog.h"
#include "devices/zonesdialog.h"
#include "fields/overview.h"
#include "formats/blocks.h"
#include "memory/memorycopydialog.h"
#include "memory/memoryflushdialog.h"
#include "memory/repeaterconfigdialog.h"
#include "report/printreportdialog.h"
#include "voice/voicemessagesdialog.h"

namespace {

// Every editor is built on the main window's context, as a child of the main window.
template <class Dialog>
QDialog* build(const EditorSources& s) {
    return new Dialog(s.context, s.parent);
}

// The same for the editors of one block (Base or a memory save).
template <class Dialog>
QDialog* buildOn(const EditorSources& s, Block block) {
    EditorContext context = s.context;
    context.block = block;
    return new Dialog(context, s.parent);
}

// The two dialogs of a single telephone code.
template <SingleCode (*Code)()>
QDialog* buildSingleCode(const EditorSources& s) {
    return new SingleCodeDialog(s.context, Code(), s.parent);
}

// The five rows of a block editor: the Base item, then the items of memory saves #1..#4, whose
// object names end in the memory save's number.
template <class Dialog>
void addBlockRows(std::vector<EditorRow>& rows, const char* baseItem, const char* memoryItem,
                  bool busyPointer = false) {
    for (const Block block : AllBlocks) {
        const QString item = block == Block::Base
                                 ? QLatin1String(baseItem)
                                 : QLatin1String(memoryItem) + QString::number(blockIndex(block));
        rows.push_back({item, [block](const EditorSources& s) { return buildOn<Dialog>(s, block); },
                        EditorMode::Modal, busyPointer});
    }
}

constexpr bool BusyWhileBuilt = true;

QDialog* buildPrintDialog(const EditorSources& s) {
    auto* dialog = new PrintReportDialog(s.context, s.headings, nullptr, s.parent);
    dialog->setDocumentFiles(s.documentFiles);
    return dialog;
}

}  // namespace

std::vector<EditorRow> editorTable() {
    using enum EditorMode;
    std::vector<EditorRow> rows = {
        {QStringLiteral("mnuMemoryConfig"), build<MemoryCopyDialog>, Modal, BusyWhileBuilt},
        {QStringLiteral("mnuFlush"), build<MemoryFlushDialog>, Modal},
        {QStringLiteral("mnuRepeaterConfig"), build<RepeaterConfigDialog>, Modeless},
        {QStringLiteral("mnuUnlock"), buildSingleCode<unlockCode>, Modeless},
        {QStringLiteral("mnuPreDial"), buildSingleCode<preDialNumber>, Modeless},
        {QStringLiteral("mnuUserSpeed"), build<SpeedDialDialog>, Modal},
        {QStringLiteral("mnuEmergency"), build<EmergencySpeedDialDialog>, Modal},
        {QStringLiteral("mnuAreaCodes"), build<AreaCodesDialog>, Modal},
        {QStringLiteral("mnuPrefixes"), build<PrefixCodesDialog>, Modal},
        {QStringLiteral("mnuMacros"), build<MacrosDialog>, Modal, BusyWhileBuilt},
        {QStringLiteral("mnuScheduler"), build<SchedulerDialog>, Kept},
        {QStringLiteral("mnuUserInputs"), build<UserInputsDialog>, Modal},
        {QStringLiteral("mnuCourtesy"), build<CourtesyTonesDialog>, Modal},
        {QStringLiteral("mnuCW"), build<CwMessageDialog>, Modeless},
        {QStringLiteral("mnuExpanded"), build<ExpandedSwitchesDialog>, Modal},
        {QStringLiteral("mnuPrint"), buildPrintDialog, Kept},
    };
    addBlockRows<ControlCodesDialog>(rows, "mnuBaseCodes", "mnuMemCodes");
    addBlockRows<TimersDialog>(rows, "mnuBaseTimers", "mnuMemTimers");
    addBlockRows<VoiceMessagesDialog>(rows, "mnuBaseVoice", "mnuMemVoice");
    addBlockRows<ZonesDialog>(rows, "mnuBaseZones", "mnuMemZones", BusyWhileBuilt);
    return rows;
}

QString editorActionForKey(const QString& key) {
    const std::optional<Overview::Place> place = Overview::place(key);
    if (!place) return {};
    const QString area = QLatin1String(Overview::areas()[std::size_t(place->area)].prefix);
    // The areas of blocks: their Base item and their memory-save items, numbered.
    static const std::pair<const char*, std::pair<const char*, const char*>> blockItems[] = {
        {"codes", {"mnuBaseCodes", "mnuMemCodes"}},
        {"timers", {"mnuBaseTimers", "mnuMemTimers"}},
        {"voice", {"mnuBaseVoice", "mnuMemVoice"}},
        {"zones", {"mnuBaseZones", "mnuMemZones"}},
    };
    for (const auto& [prefix, items] : blockItems) {
        if (area != QLatin1String(prefix) || !place->block) continue;
        return *place->block == 0 ? QLatin1String(items.first)
                                  : QLatin1String(items.second) + QString::number(*place->block);
    }
    static const std::pair<const char*, const char*> items[] = {
        {"unlock", "mnuUnlock"},
        {"cw", "mnuCW"},
        {"macros", "mnuMacros"},
        {"scheduler", "mnuScheduler"},
        {"user-inputs", "mnuUserInputs"},
        {"speed-dial", "mnuUserSpeed"},
        {"emergency-speed-dial", "mnuEmergency"},
        {"pre-dial", "mnuPreDial"},
        {"area-codes", "mnuAreaCodes"},
        {"prefixes", "mnuPrefixes"},
        {"courtesy-tones", "mnuCourtesy"},
        {"expanded-switches", "mnuExpanded"},
        {"config", "mnuRepeaterConfig"},
    };
    for (const auto& [prefix, item] : items)
        if (area == QLatin1String(prefix)) return QLatin1String(item);
    return {};
}
