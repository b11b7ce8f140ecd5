// Checks shared by every test: a recognisable image, the check that a write changed exactly the
// expected bytes and nothing else, and finding and showing the widgets of a dialog.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdio>
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

// The widget of type T named `name`; a test failure when there is none.
template <typename T>
T* child(const QObject& parent, const QString& name) {
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << "no widget named " << name.toStdString();
    return widget;
}

// Shows a dialog and lets the window system activate it, so later activations do not arrive in
// the middle of a test.
inline void showSettled(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    (void)QTest::qWaitForWindowActive(&dialog, 1000);
    QApplication::processEvents();
}

// What the window system sends when the user comes back to the dialog from another window.
inline void reactivate(QWidget& dialog) {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&dialog, &activate);
}
