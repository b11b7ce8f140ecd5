// Helpers for the codes tests: an image whose bytes are all distinct from their neighbours, and a
// check that a write changed exactly the expected bytes and nothing else.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/image.h"

// Every byte non-zero and different from the next, so a stray write or a missing clear shows.
inline Image patternedImage() {
    Image image{};
    for (int i = 0; i < ImageSize; ++i) image[i] = static_cast<std::uint8_t>(0x11 + (i * 7) % 0xE0);
    return image;
}

// Asserts that `after` equals `before` except for `expected` written at `offset`.
inline void expectOnlyWritten(const Image& before, const Image& after, int offset,
                              const std::vector<std::uint8_t>& expected) {
    Image want = before;
    for (std::size_t i = 0; i < expected.size(); ++i) want[offset + i] = expected[i];
    for (int i = 0; i < ImageSize; ++i) {
        ASSERT_EQ(int(after[i]), int(want[i])) << "byte " << i;
    }
}
