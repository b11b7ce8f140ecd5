// The field tables of the macros and the scheduler.
#pragma once

#include "formats/fieldtable.h"

namespace CommandFields {

// The key words of the macros' and the scheduler's fields.
inline constexpr char MacrosKey[] = "macros", SchedulerKey[] = "scheduler";

// The macro grid and the review texts: "macros.01.trigger", ".command-1" .. ".review-5". A grid
// field's answer is stored with its whole macro (Macros::storeTrigger, storeCommand).
Fields::FieldList macros();
// The scheduler overview's columns and the event dialog's review: "scheduler.01.time" ..
// "scheduler.40.review". The columns are written whole by the event dialog's "OK" and have no
// store of their own.
Fields::FieldList scheduler();

}  // namespace CommandFields
