// The field table of the repeater configuration: the memory layout (a setting), the clock
// announcements and the voice recorder type.
#pragma once

#include "formats/fieldtable.h"

namespace ConfigFields {

// The key word of the repeater configuration's fields.
inline constexpr char Key[] = "config";

// "config.dip-switch-5", "config.clock-announcements", "config.dvr-type". The layout option
// shows `fourMemorySaves`, which the settings hold; the others are stored in the image.
Fields::FieldList configuration(bool fourMemorySaves);

}  // namespace ConfigFields
