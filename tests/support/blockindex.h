// The block of a number, for tests that walk Base and the memory saves as the region map counts
// them.
#pragma once

#include "formats/blocks.h"

// The block of an index 0..4; any other index gives Base.
constexpr Block blockAt(int index) {
    return index >= 0 && index < Region::BlockCount ? AllBlocks[index] : Block::Base;
}
