// Finding, showing and reactivating the widgets of a dialog under test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "imagecheck.h"

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
