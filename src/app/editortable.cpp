// The editor menu commands of the main window: which dialog each menu item builds, on which block,
// and how it is shown. Adding an editor is adding its row.
#include "app/editortable.h"

#include <type_traits>

#include "codes/areacodesdialog.h"
#include "codes/controlcodesdialog.h"
#include "codes/predialnumberdialog.h"
#include "codes/prefixcodesdialog.h"
#include "codes/speeddialdialog.h"
#include "codes/unlockcodedialog.h"
#include "commands/macrosdialog.h"
#include "commands/schedulerdialog.h"
#include "devices/courtesytonesdialog.h"
#include "devices/cwmessagedialog.h"
#include "devices/expandedswitchesdialog.h"
#include "devices/timersdialog.h"
#include "devices/userinputsdialog.h"
#include "devices/zonesdialog.h"
#include "formats/blocks.h"
#include "memory/memorycopydialog.h"
#include "memory/memoryflushdialog.h"
#include "memory/repeaterconfigdialog.h"
#include "report/printreportdialog.h"
#include "voice/voicemessagesdialog.h"

namespace {

template <class Dialog>
constexpr bool NoKnownConstructor = false;

// Builds a dialog from what its constructor asks for, in the order the dialogs take it: the
// image, then the prompts, the settings or the layout callback, and the main window as parent.
template <class Dialog>
QDialog* build(const EditorContext& c) {
    if constexpr (std::is_constructible_v<Dialog, Image&, Prompts&, Settings&, QWidget*>)
        return new Dialog(c.image, c.prompts, c.settings, c.parent);
    else if constexpr (std::is_constructible_v<Dialog, Image&, Settings&, std::function<void()>,
                                               QWidget*>)
        return new Dialog(c.image, c.settings, c.layoutChanged, c.parent);
    else if constexpr (std::is_constructible_v<Dialog, Image&, Prompts&, QWidget*>)
        return new Dialog(c.image, c.prompts, c.parent);
    else if constexpr (std::is_constructible_v<Dialog, Image&, QWidget*>)
        return new Dialog(c.image, c.parent);
    else
        static_assert(NoKnownConstructor<Dialog>, "the editor table cannot build this dialog");
}

// The same for the editors of one block (Base or a memory save).
template <class Dialog>
QDialog* buildOn(const EditorContext& c, Block block) {
    if constexpr (std::is_constructible_v<Dialog, Image&, Prompts&, Block, QWidget*>)
        return new Dialog(c.image, c.prompts, block, c.parent);
    else if constexpr (std::is_constructible_v<Dialog, Image&, Block, QWidget*>)
        return new Dialog(c.image, block, c.parent);
    else
        static_assert(NoKnownConstructor<Dialog>, "the editor table cannot build this dialog");
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
        rows.push_back({item, [block](const EditorContext& c) { return buildOn<Dialog>(c, block); },
                        EditorMode::Modal, busyPointer});
    }
}

constexpr bool BusyWhileBuilt = true;

QDialog* buildPrintDialog(const EditorContext& c) {
    auto* dialog =
        new PrintReportDialog(c.image, c.prompts, c.settings, c.headings, nullptr, c.parent);
    dialog->setDocumentFiles(c.documentFiles);
    return dialog;
}

}  // namespace

std::vector<EditorRow> editorTable() {
    using enum EditorMode;
    std::vector<EditorRow> rows = {
        {QStringLiteral("mnuMemoryConfig"), build<MemoryCopyDialog>, Modal, BusyWhileBuilt},
        {QStringLiteral("mnuFlush"), build<MemoryFlushDialog>, Modal},
        {QStringLiteral("mnuRepeaterConfig"), build<RepeaterConfigDialog>, Modeless},
        {QStringLiteral("mnuUnlock"), build<UnlockCodeDialog>, Modeless},
        {QStringLiteral("mnuPreDial"), build<PreDialNumberDialog>, Modeless},
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
