// Checks shared by every test: a recognisable image, the check that a write changed exactly the
// expected bytes and nothing else, and readable QString values in failure messages.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "core/image.h"

using Bytes = std::vector<std::uint8_t>;

// Every byte is non-zero and differs from every byte 1..250 positions away, so a stray write, a
// clear to zero and a copy between two distinct places all change the bytes they touch.
inline Image patternedImage() {
    Image image;
    for (int i = 0; i < ImageSize; ++i) image[i] = static_cast<std::uint8_t>(i % 251 + 1);
    return image;
}

inline Image zeroImage() {
    Image image;
    image.fill(0);
    return image;
}

// Where two images differ, as "offset (0xAA, 0xBB)" for the first few, for readable failures.
inline std::string changedOffsets(const Image& a, const Image& b) {
    std::string text;
    int count = 0;
    for (int i = 0; i < ImageSize; ++i) {
        if (a[i] == b[i] || ++count > 12) continue;
        char entry[32];
        std::snprintf(entry, sizeof entry, "%d (0x%02X, 0x%02X) ", i, a[i], b[i]);
        text += entry;
    }
    if (count > 12) text += "and " + std::to_string(count - 12) + " more";
    return text.empty() ? "none" : text;
}

// Asserts that `after` equals `before` except for `bytes` written from `offset` on.
inline void expectOnlyWritten(const Image& before, const Image& after, int offset,
                              const Bytes& bytes) {
    ASSERT_TRUE(offset >= 0 && offset + bytes.size() <= before.size()) << "offset " << offset;
    Image want = before;
    std::copy(bytes.begin(), bytes.end(), want.begin() + offset);
    EXPECT_TRUE(after == want) << "differs from the expected image at (found, expected): "
                               << changedOffsets(after, want);
}

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
