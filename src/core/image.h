// The configuration image: a byte-for-byte copy of the controller's 8 KB data memory.
#pragma once

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

inline constexpr int ImageSize = 8192;

using Image = std::array<std::uint8_t, ImageSize>;

// Sum of all bytes as unsigned values; at most 8192 * 255, so it never overflows.
std::int32_t byteSum(const Image& image);

// How many of the `length` bytes from `offset` on lie in the image: all of them, those before its
// end, or none when `offset` lies outside it. A count or offset read from a file may say anything,
// so every read and write that follows one is bounded by this.
constexpr int bytesInImage(int offset, int length) {
    if (offset < 0 || offset >= ImageSize || length <= 0) return 0;
    return std::min(length, ImageSize - offset);
}
// True when all `length` bytes from `offset` on lie in the image.
constexpr bool inImage(int offset, int length) {
    return length > 0 && bytesInImage(offset, length) == length;
}
// The bytes from `offset` on that lie in the image, at most `length` of them.
inline std::span<const std::uint8_t> imageBytes(const Image& image, int offset, int length) {
    const int size = bytesInImage(offset, length);
    return {image.data() + (size > 0 ? offset : 0), static_cast<std::size_t>(size)};
}
// Those bytes copied as Qt keeps bytes: the whole image by default, as a file holds it.
inline QByteArray bytesOf(const Image& image, int offset = 0, int length = ImageSize) {
    const std::span<const std::uint8_t> bytes = imageBytes(image, offset, length);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}
