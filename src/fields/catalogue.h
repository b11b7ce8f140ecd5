// Every field the editors show, from every area's table, in the order of orvtool's listings: the
// one list the dump, the diff and every view of the whole configuration walk. Each field knows
// its area and block.
#pragma once

#include "formats/fieldtable.h"

namespace Fields {

// The fields of the memory layout in use: with four memory saves the fourth save's codes,
// timers, messages and zones; with three, the area-code and prefix tables in their place.
// The tables describe fields, not values, so each layout's list is made once and kept.
const FieldList& catalogue(bool fourMemorySaves);

}  // namespace Fields
