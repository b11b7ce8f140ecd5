// Bit fields of the image: flag bytes whose bit k - 1 holds flag k (zones, expanded switches).
#pragma once

#include <array>
#include <cstdint>

// 1 when bit 0..7 of the byte is set, else 0; any other bit number gives 0.
constexpr int bitValue(int byte, int bit) { return bit < 0 || bit > 7 ? 0 : (byte >> bit) & 1; }

// The byte for eight flags: bit k set exactly when flags[k] is on.
constexpr std::uint8_t byteFromBits(const std::array<bool, 8>& flags) {
    int byte = 0;
    for (int k = 0; k < 8; ++k)
        if (flags[k]) byte |= 1 << k;
    return static_cast<std::uint8_t>(byte);
}

static_assert(bitValue(0x80, 7) == 1 && bitValue(0x80, 6) == 0 && bitValue(0xFF, 8) == 0);
static_assert(byteFromBits({true, false, false, false, false, false, false, true}) == 0x81);
