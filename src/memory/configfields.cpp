#include "memory/configfields.h"

#include "memory/memoryblocks.h"

namespace ConfigFields {

namespace {

using MemoryBlocks::OptionGroup;

Fields::Field optionField(const OptionGroup& group) {
    Fields::Field field;
    field.key = QLatin1String(Key) + QLatin1Char('.') + QLatin1String(group.key);
    field.caption = QLatin1String(group.frame);
    field.edit = Fields::Edit::OptionGroup;
    return field;
}

// An option group stored as one byte: 0 for the first option, 1 for the second; any other
// stored value reads as the second. The dialog's "OK" stores both bytes of its choices, so a
// choice made here rewrites the other byte as its option shows too.
Fields::Field byteOption(const OptionGroup& group, int offset) {
    Fields::Field field = optionField(group);
    field.text = [&group, offset](const Image& image) {
        return QLatin1String(group.options[image[offset] != 0 ? 1 : 0]);
    };
    field.reads = Fields::fixedRanges({{offset, 1}});
    field.writes = {{Region::VoiceRecorderType, 1}, {Region::ClockAnnouncements, 1}};
    field.store = [&group, offset](Image& image, const QString& answer) {
        for (std::uint8_t option = 0; option < 2; ++option) {
            if (answer != QLatin1String(group.options[option])) continue;
            for (const int byte : {Region::VoiceRecorderType, Region::ClockAnnouncements})
                image[byte] = image[byte] != 0 ? 1 : 0;
            image[offset] = option;
            return Fields::Stored::Written;
        }
        return Fields::Stored::Refused;
    };
    return field;
}

}  // namespace

Fields::FieldList configuration(bool fourMemorySaves) {
    using namespace MemoryBlocks;
    Fields::Field layout = optionField(MemoryLayoutGroup);
    layout.edit = Fields::Edit::Setting;
    layout.text = [fourMemorySaves](const Image&) {
        return QLatin1String(MemoryLayoutGroup.options[fourMemorySaves ? 0 : 1]);
    };
    layout.reads = Fields::fixedRanges({});
    return {layout, byteOption(ClockGroup, Region::ClockAnnouncements),
            byteOption(RecorderGroup, Region::VoiceRecorderType)};
}

}  // namespace ConfigFields
