// The main window's menu tree: every menu and item with its object name and caption, in order.
#pragma once

namespace Menus {

enum class Kind {
    Menu,       // opens a (sub)menu; the entries up to its End belong to it
    End,        // closes the menu opened last
    Item,       // one command
    Numbered,   // one command per memory save, "%1" in the caption and the name's suffix 1..4
    Separator,  // a line between groups
    Recent,     // the recent-file entries and the line after them, shown once files are known
};

struct Entry {
    Kind kind;
    const char* name = "";
    const char* caption = "";
};

using enum Kind;
// clang-format off
inline constexpr Entry Tree[] = {
    {Menu, "mnuFile", "&File"},
        {Item, "mnuOpen", "&Open..."},
        {Separator},
        {Item, "mnuSave", "&Save File"},
        {Item, "mnuSaveAs", "Save File &As..."},
        {Separator},
        {Item, "mnuFlush", "&Flush Memory..."},
        {Separator},
        {Item, "mnuPrinterFont", "Printer &Font..."},
        {Item, "mnuPrint", "&Print..."},
        {Separator},
        {Recent, "mnuRecent"},
        {Item, "mnuExit", "E&xit"},
    {End},
    // The editor's own menus stand beside the design's, named like them.
    {Menu, "mnuEdit", "&Edit"},
        {Item, "mnuUndo", "&Undo"},
        {Item, "mnuRedo", "&Redo"},
    {End},
    {Menu, "mnuCodesTimers", "&Codes/Timers"},
        {Menu, "mnuCodes", "&Codes..."},
            {Item, "mnuBaseCodes", "Base Codes..."},
            {Separator},
            {Numbered, "mnuMemCodes", "   Mem #%1 Codes..."},
        {End},
        {Separator},
        {Menu, "mnuTimers", "&Timers"},
            {Item, "mnuBaseTimers", "Base Timers..."},
            {Separator},
            {Numbered, "mnuMemTimers", "   Mem #%1 Timers..."},
        {End},
        {Separator},
        {Item, "mnuUnlock", "Unlock Number..."},
    {End},
    {Menu, "mnuMessages", "&Messages"},
        {Menu, "mnuVoice", "&Voice Synthesizer..."},
            {Item, "mnuBaseVoice", "Voice Base Messages..."},
            {Separator},
            {Numbered, "mnuMemVoice", "   Voice Mem #%1 Messages..."},
        {End},
        {Separator},
        {Item, "mnuCW", "CW Message..."},
    {End},
    {Menu, "mnuMacroOps", "Macro &Op's"},
        {Item, "mnuMacros", "&Macros..."},
        {Item, "mnuScheduler", "&Scheduler..."},
        {Item, "mnuUserInputs", "&User Inputs..."},
    {End},
    {Menu, "mnuZones", "&Zones"},
        {Item, "mnuBaseZones", "Base Zones"},
        {Separator},
        {Numbered, "mnuMemZones", "Memory #%1 Zones..."},
    {End},
    {Menu, "mnuAutopatch", "&Autopatch"},
        {Item, "mnuUserSpeed", "&User Speed Dial..."},
        {Item, "mnuEmergency", "&Emergency Speed Dial..."},
        {Item, "mnuPreDial", "&Pre-Dial Number"},
        {Item, "mnuAreaCodes", "&Area Code Numbers..."},
        {Item, "mnuPrefixes", "&Prefix Numbers..."},
    {End},
    {Menu, "mnuMisc", "&Misc"},
        {Item, "mnuCourtesy", "&Courtesy Tones..."},
        {Item, "mnuExpanded", "&Expanded Switches..."},
        {Item, "mnuMemoryConfig", "&Memory Configuration"},
        {Item, "mnuRepeaterConfig", "&Repeater Configuration..."},
    {End},
    {Menu, "mnuTools", "&Tools"},
        {Item, "mnuCompareFile", "&Compare With File..."},
        {Item, "mnuCompareSaved", "Compare With &Saved"},
        {Separator},
        {Item, "mnuCheck", "C&heck Configuration..."},
    {End},
    {Menu, "mnuHelp", "&Help"},
        {Item, "mnuContents", "Contents"},
        {Item, "mnuSearch", "Search For Help On..."},
        {Item, "mnuAbout", "About"},
    {End},
};
// clang-format on

}  // namespace Menus
