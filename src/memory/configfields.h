// The field table of the repeater configuration: the memory layout (a setting), the clock
// announcements and the voice recorder type.
#pragma once

#include "formats/fieldtable.h"

namespace ConfigFields {

// "config.dip-switch-5", "config.clock-announcements", "config.dvr-type". The layout option
// shows `fourMemorySaves`, which the settings hold; the others are stored in the image.
Fields::FieldList configuration(bool fourMemorySaves);

}  // namespace ConfigFields
