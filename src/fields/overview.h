// The whole configuration at a glance: every field of the catalogue placed under its area (in the
// order of the menus) and its block, the filter that finds fields by caption, value or key, and
// which fields a change of bytes touches. The main window's overview tree and the comparison of
// two files are drawn from these.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/image.h"
#include "formats/fieldtable.h"

namespace Overview {

// An area of the configuration: the key word its fields' keys begin with and its title.
struct Area {
    const char* prefix;  // "timers"
    const char* title;   // "Timers"
    bool blocks;         // its fields come in the Base block and the memory saves
};
// Every area, in the order the menus offer their editors.
const std::vector<Area>& areas();

// Where a field stands: its area (an index of areas()) and, in an area of blocks, its block
// (0 the Base, 1..4 the memory saves).
struct Place {
    int area = 0;
    std::optional<int> block;
};
// From the field's key ("timers.mem2.repeater-time-out"); nothing for a key of no area.
std::optional<Place> place(const QString& key);
// The area's title as the overview shows it.
QString areaTitle(int area);
// "Base", "Memory Save #1" .. "Memory Save #4".
QString blockTitle(int block);

// True when the field's caption, shown value or key holds `filter`, whatever the case; every
// field holds the empty filter.
bool matches(const Fields::Field& field, const QString& shown, const QString& filter);
// A value that shows nothing: empty, or only spaces (an erased entry).
bool isEmptyValue(const QString& shown);

}  // namespace Overview
