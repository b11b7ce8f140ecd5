// Writes a voice message record the way the controller stores it, for the voice tests.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "core/image.h"

// The word count at `offset`, then each word number as two bytes: hundreds, then the rest.
inline void putWords(Image& image, int offset, std::initializer_list<int> numbers) {
    image[offset] = static_cast<std::uint8_t>(numbers.size());
    int at = offset + 1;
    for (int n : numbers) {
        image[at++] = static_cast<std::uint8_t>(n / 100);
        image[at++] = static_cast<std::uint8_t>(n % 100);
    }
}
