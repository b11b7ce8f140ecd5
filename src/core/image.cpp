#include "core/image.h"

std::int32_t byteSum(const Image& image) {
    std::int32_t sum = 0;
    for (std::uint8_t b : image) sum += b;
    return sum;
}
