// The configuration image: a byte-for-byte copy of the controller's 8 KB data memory.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int ImageSize = 8192;

using Image = std::array<std::uint8_t, ImageSize>;

// Sum of all bytes as unsigned values; at most 8192 * 255, so it never overflows.
std::int32_t byteSum(const Image& image);
