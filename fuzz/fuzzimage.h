// What every fuzz target shares: the fuzzer's bytes as a configuration image, and a check that
// ends the run with a message, so a broken invariant counts as a crash the fuzzer keeps.
#pragma once

#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/image.h"

// The first 8192 bytes of the input; a shorter input is padded with zeros.
inline Image fuzzImage(const std::uint8_t* data, std::size_t size) {
    Image image{};
    std::copy_n(data, std::min<std::size_t>(size, ImageSize), image.begin());
    return image;
}

// Keeps a decoded text alive and touched, so no decoder call is dropped by the optimiser and every
// character is read.
inline std::size_t g_fuzzSink = 0;
inline void consume(const QString& text) {
    for (const QChar c : text) g_fuzzSink += c.unicode();
}

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
