// The areas of the configuration, one row each: the key word its fields' keys begin with, its
// title, whether it comes in the Base block and the memory saves, its field table and the menu
// items of its editors. The catalogue, the overview, the compare window and the editor look-up
// are loops over these rows.
#pragma once

#include <QString>
#include <span>

#include "formats/fieldtable.h"

namespace Fields {

struct Area {
    const char* key;    // the first word of its fields' keys: "timers"
    const char* title;  // as the overview and the compare window show it: "Timers"
    bool blocks;        // its fields come in the Base block and in each memory save
    // Its field table in a memory layout (of one block in an area of blocks); empty where the
    // layout has no such area.
    FieldList (*fields)(int block, bool fourMemorySaves);
    // The object name of the menu item of its editor (of the Base block's in an area of blocks)
    // and, in an area of blocks, that of the memory saves' editors without their number 1..4.
    const char* item;
    const char* memoryItem;
    // Its place in orvtool's listings (dump, diff and the order set and apply follow): kept as
    // it always was, since scripts compare those outputs.
    int listed;
};

// Every area, in the order the menus offer their editors.
std::span<const Area> areas();

// The object name of the menu item of the area's editor of a block ("mnuMemTimers2" for block 2
// of the timers), and of the editor that shows the field; empty for a field of no area.
QString editorItem(const Area& area, int block);
QString editorItem(const Field& field);

}  // namespace Fields
