// The editor menu commands of the main window: which dialog each menu item builds, on which block,
// and how it is shown. An area's editor is its row here and its row of the area table.
#include "app/editortable.h"

#include <algorithm>

#include "codes/areacodesdialog.h"
#include "codes/codefields.h"
#include "codes/controlcodesdialog.h"
#include "codes/prefixcodesdialog.h"
#include "codes/singlecodedialog.h"
#include "codes/speeddialdialog.h"
#include "commands/commandfields.h"
#include "commands/macrosdialog.h"
#include "commands/schedulerdialog.h"
#include "devices/courtesytonesdialog.h"
#include "devices/cwmessagedialog.h"
#include "devices/devicefields.h"
#include "devices/expandedswitchesdialog.h"
#include "devices/timersdialog.h"
#include "devices/userinputsdialog.h"
#include "devices/zonesdialog.h"
#include "fields/areas.h"
#include "formats/blocks.h"
#include "memory/configfields.h"
#include "memory/memorycopydialog.h"
#include "memory/memoryflushdialog.h"
#include "memory/repeaterconfigdialog.h"
#include "report/printreportdialog.h"
#include "voice/voicefields.h"
#include "voice/voicemessagesdialog.h"

namespace {

// Every editor is built on the main window's context, as a child of the main window.
template <class Dialog>
QDialog* build(const EditorSources& s) {
    return new Dialog(s.context, s.parent);
}

// The editor of one block (Base or a memory save); an area without blocks is edited on Base.
template <class Dialog>
QDialog* buildOn(const EditorSources& s, Block block) {
    EditorContext context = s.context;
    context.block = block;
    return new Dialog(context, s.parent);
}

// The two dialogs of a single telephone code.
template <SingleCode (*Code)()>
QDialog* buildSingleCode(const EditorSources& s, Block) {
    return new SingleCodeDialog(s.context, Code(), s.parent);
}

constexpr bool BusyWhileBuilt = true;

QDialog* buildPrintDialog(const EditorSources& s) {
    auto* dialog = new PrintReportDialog(s.context, s.headings, nullptr, s.parent);
    dialog->setDocumentFiles(s.documentFiles);
    return dialog;
}

// How each area's editor is built and shown, by the area's key word; its menu items are the
// area table's.
struct AreaEditor {
    const char* area;
    QDialog* (*build)(const EditorSources&, Block);
    EditorMode mode;
    bool busyPointer = false;  // the slower dialogs show the busy pointer while they are built
};

using enum EditorMode;
const AreaEditor AreaEditors[] = {
    {CodeFields::ControlCodesKey, buildOn<ControlCodesDialog>, Modal},
    {DeviceFields::TimersKey, buildOn<TimersDialog>, Modal},
    {CodeFields::UnlockKey, buildSingleCode<unlockCode>, Modeless},
    {VoiceFields::Key, buildOn<VoiceMessagesDialog>, Modal},
    {DeviceFields::CwKey, buildOn<CwMessageDialog>, Modeless},
    {CommandFields::MacrosKey, buildOn<MacrosDialog>, Modal, BusyWhileBuilt},
    {CommandFields::SchedulerKey, buildOn<SchedulerDialog>, Kept},
    {DeviceFields::UserInputsKey, buildOn<UserInputsDialog>, Modal},
    {DeviceFields::ZonesKey, buildOn<ZonesDialog>, Modal, BusyWhileBuilt},
    {CodeFields::SpeedDialKey, buildOn<SpeedDialDialog>, Modal},
    {CodeFields::EmergencyKey, buildOn<EmergencySpeedDialDialog>, Modal},
    {CodeFields::PreDialKey, buildSingleCode<preDialNumber>, Modeless},
    {CodeFields::AreaCodesKey, buildOn<AreaCodesDialog>, Modal},
    {CodeFields::PrefixesKey, buildOn<PrefixCodesDialog>, Modal},
    {DeviceFields::CourtesyTonesKey, buildOn<CourtesyTonesDialog>, Modal},
    {DeviceFields::ExpandedSwitchesKey, buildOn<ExpandedSwitchesDialog>, Modal},
    {ConfigFields::Key, buildOn<RepeaterConfigDialog>, Modeless},
};

}  // namespace

std::vector<EditorRow> editorTable() {
    std::vector<EditorRow> rows = {
        {QStringLiteral("mnuMemoryConfig"), build<MemoryCopyDialog>, Modal, BusyWhileBuilt},
        {QStringLiteral("mnuFlush"), build<MemoryFlushDialog>, Modal},
        {QStringLiteral("mnuPrint"), buildPrintDialog, Kept},
    };
    for (const Fields::Area& area : Fields::areas()) {
        const auto editor = std::ranges::find_if(AreaEditors, [&area](const AreaEditor& e) {
            return QLatin1String(e.area) == QLatin1String(area.key);
        });
        if (editor == std::end(AreaEditors)) continue;
        // An area of blocks has the Base item, then the items of memory saves #1..#4.
        for (const Block block : AllBlocks) {
            if (block != Block::Base && !area.blocks) break;
            rows.push_back(
                {Fields::editorItem(area, blockIndex(block)),
                 [build = editor->build, block](const EditorSources& s) { return build(s, block); },
                 editor->mode, editor->busyPointer});
        }
    }
    return rows;
}
