// The arming delay of the keypad and the voice composer: for a moment after the dialog opens its
// buttons are dead, so the click that opened it cannot land on a key or a button.
#pragma once

#include <QObject>

class QTimer;

class ArmingDelay : public QObject {
    Q_OBJECT
public:
    // The usual delay; tests pass 0, which arms at once on every start.
    static constexpr int DefaultMs = 500;

    // The timer carries the object name "Timer1" and `delayMs` as its interval.
    explicit ArmingDelay(int delayMs, QObject* parent);

    // Disarms and starts the delay again (each opening of the dialog).
    void start();
    // Stops the timer (the dialog closed); armed or not stays as it is.
    void stop();
    // Arms now; what the timer does when it fires.
    void arm();

    bool isArmed() const { return m_armed; }
    int delayMs() const { return m_delayMs; }

signals:
    // The dialog reacts from now on.
    void armed();

private:
    int m_delayMs;
    QTimer* m_timer;
    bool m_armed = false;
};
