#include "memory/memoryblocks.h"

#include <algorithm>

namespace MemoryBlocks {

// Every copy and flush area lies inside the image; checked once here so the loops need no guard.
static_assert([] {
    for (int row = 0; row < CopyRowCount; ++row)
        for (int save = 1; save <= Region::MemorySaveCount; ++save)
            if (copyTarget(row, save) + CopyRows[row].length > ImageSize) return false;
    for (const FlushRow& area : FlushRows)
        if (area.first < 0 || area.first + area.length > ImageSize) return false;
    return true;
}());
static_assert(copySource(3) == 218 && copyTarget(3, 2) == 5586 && copyTarget(1, 4) == 7016);

bool copyToMemorySave(Image& image, int row, int memorySave) {
    if (row < 0 || row >= CopyRowCount || memorySave < 1 || memorySave > Region::MemorySaveCount)
        return false;
    const int source = copySource(row);
    const int target = copyTarget(row, memorySave);
    for (int i = 0; i < CopyRows[row].length; ++i) image[target + i] = image[source + i];
    return true;
}

const char* flushCaption(int row, bool fourMemorySaves) {
    if (row < 0 || row >= FlushRowCount) return "";
    if (row == SharedRegionRow && !fourMemorySaves) return AreaCodesCaption;
    return FlushRows[row].caption;
}

bool holdsData(const Image& image, int row) {
    if (row < 0 || row >= FlushRowCount) return false;
    const auto begin = image.begin() + FlushRows[row].first;
    return std::any_of(begin, begin + FlushRows[row].length, [](std::uint8_t b) { return b != 0; });
}

bool flush(Image& image, int row) {
    if (row < 0 || row >= FlushRowCount) return false;
    const auto begin = image.begin() + FlushRows[row].first;
    std::fill(begin, begin + FlushRows[row].length, std::uint8_t{0});
    return true;
}

}  // namespace MemoryBlocks
