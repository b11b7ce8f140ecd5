// The five blocks that hold the repeater's zones, codes, timers and voice messages: Base, and the
// memory saves #1..#4 the controller switches between. One table holds every block's dialog title.
#pragma once

#include <QString>
#include <array>

#include "core/regions.h"

enum class Block { Base = 0, MemorySave1, MemorySave2, MemorySave3, MemorySave4 };

inline constexpr std::array<Block, Region::BlockCount> AllBlocks = {
    Block::Base, Block::MemorySave1, Block::MemorySave2, Block::MemorySave3, Block::MemorySave4};

// 0 = Base, 1..4 = memory save #1..#4, as the region map counts blocks.
constexpr int blockIndex(Block block) { return static_cast<int>(block); }

// The areas of a block that have a dialog of their own.
enum class BlockArea { Codes, Timers, Voice, Zones };

// clang-format off
inline constexpr std::array<std::array<const char*, Region::BlockCount>, 4> BlockTitles = {{
    {"Repeater Base Codes", "Memory Save #1 Codes", "Memory Save #2 Codes",
     "Memory Save #3 Codes", "Memory Save #4 Codes"},
    {"Repeater Base Timers", "Memory Save #1 Timers", "Memory Save #2 Timers",
     "Memory Save #3 Timers", "Memory Save #4 Timers"},
    {"Base Voice Synthesizer Messages", "Memory Save #1 Voice Messages",
     "Memory Save #2 Voice Messages", "Memory Save #3 Voice Messages",
     "Memory Save #4 Voice Messages"},
    {"Base Zones", "Zone Channels For Memory #1", "Zone Channels For Memory #2",
     "Zone Channels For Memory #3", "Zone Channels For Memory #4"},
}};
// clang-format on

// The dialog title of an area of a block.
inline QString blockTitle(BlockArea area, Block block) {
    return QString::fromLatin1(BlockTitles[static_cast<int>(area)][blockIndex(block)]);
}
