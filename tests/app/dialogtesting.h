// Helpers shared by the memory dialog tests: a recognisable image, finding a named widget, and
// showing a dialog on the offscreen screen.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "core/image.h"

namespace dialogtesting {

// Every byte differs from 0, and a byte differs from any byte 1..250 positions away, so a copy
// between two distinct places or a clear to zero changes every byte it touches.
inline Image patternImage() {
    Image image;
    for (int i = 0; i < ImageSize; ++i) image[i] = std::uint8_t(i % 251 + 1);
    return image;
}

inline Image zeroImage() {
    Image image;
    image.fill(0);
    return image;
}

template <typename T>
T* child(QWidget& parent, const QString& name) {
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

// Offsets whose bytes differ between two images, for readable failures.
inline std::string changedOffsets(const Image& a, const Image& b) {
    std::string text;
    int shown = 0;
    for (int i = 0; i < ImageSize; ++i)
        if (a[i] != b[i] && shown++ < 12) text += std::to_string(i) + " ";
    return text.empty() ? "none" : text;
}

}  // namespace dialogtesting
