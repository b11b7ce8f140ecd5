#include "fields/catalogue.h"

#include "codes/codefields.h"
#include "commands/commandfields.h"
#include "core/regions.h"
#include "devices/devicefields.h"
#include "memory/configfields.h"
#include "voice/voicefields.h"

namespace Fields {

namespace {

void append(FieldList& to, FieldList from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

}  // namespace

namespace {

FieldList makeCatalogue(bool fourMemorySaves) {
    // The blocks that have editors: memory save #4 only in the four-saves layout.
    const int lastBlock = fourMemorySaves ? Region::MemorySaveCount : Region::MemorySaveCount - 1;
    FieldList all;
    append(all, ConfigFields::configuration(fourMemorySaves));
    append(all, CodeFields::unlockNumber());
    append(all, CodeFields::preDialNumber());
    for (int block = 0; block <= lastBlock; ++block) append(all, CodeFields::controlCodes(block));
    for (int block = 0; block <= lastBlock; ++block) append(all, DeviceFields::timers(block));
    for (int block = 0; block <= lastBlock; ++block) append(all, VoiceFields::messages(block));
    for (int block = 0; block <= lastBlock; ++block) append(all, DeviceFields::zones(block));
    append(all, CommandFields::macros());
    append(all, CommandFields::scheduler());
    append(all, CodeFields::speedDials());
    if (!fourMemorySaves) append(all, CodeFields::areaCodesAndPrefixes());
    append(all, DeviceFields::courtesyTones());
    append(all, DeviceFields::cwMessage());
    append(all, DeviceFields::expandedSwitches());
    append(all, DeviceFields::userInputs());
    return all;
}

}  // namespace

const FieldList& catalogue(bool fourMemorySaves) {
    // Each layout's list is made when it is first asked for: a session works in one layout, and
    // the lists are large (every field's texts, byte ranges and edit requests).
    if (fourMemorySaves) {
        static const FieldList four = makeCatalogue(true);
        return four;
    }
    static const FieldList three = makeCatalogue(false);
    return three;
}

}  // namespace Fields
