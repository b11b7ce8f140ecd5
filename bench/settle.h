// Waiting for a widget to reach the screen: a paint seen by an event filter, with the events of
// the application processed until then (or until the limit, when something is wrong).
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>

class PaintProbe : public QObject {
public:
    explicit PaintProbe(QObject* watched) { watched->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// Processes events until the probe saw a paint; false when none came within `limitMs`.
inline bool waitForPaint(const PaintProbe& probe, int limitMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!probe.painted) {
        QApplication::processEvents();
        if (!probe.painted && timer.elapsed() > limitMs) return false;
    }
    return true;
}
