// Finding, clicking, reading, showing and reactivating the widgets of a dialog under test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "imagecheck.h"
#include "ui/valuefield.h"

// The widget of type T named `name`; a test failure when there is none.
template <typename T>
T* child(const QObject& parent, const QString& name) {
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << "no widget named " << name.toStdString();
    return widget;
}

// An object name from a pattern such as "lblNum%1" and a row or column number.
inline QString named(const char* pattern, int index) {
    return QString::fromLatin1(pattern).arg(index);
}

// A left click on the widget named `name`.
inline void click(QWidget& dialog, const QString& name) {
    if (QWidget* widget = child<QWidget>(dialog, name)) QTest::mouseClick(widget, Qt::LeftButton);
}

// What the value field or the label named `name` shows.
inline QString shown(QWidget& dialog, const QString& name) {
    if (auto* field = dialog.findChild<ValueField*>(name)) return field->value();
    QLabel* label = child<QLabel>(dialog, name);
    return label ? label->text() : QString();
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
