#include "ui/armingdelay.h"

#include <QTimer>

ArmingDelay::ArmingDelay(int delayMs, QObject* parent)
    : QObject(parent), m_delayMs(delayMs), m_timer(new QTimer(this)) {
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(delayMs);
    // Once armed the dialog stays armed until the next opening; firing again would change nothing.
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ArmingDelay::arm);
}

void ArmingDelay::start() {
    m_armed = false;
    if (m_delayMs <= 0) {
        m_timer->stop();
        arm();
    } else {
        m_timer->start(m_delayMs);
    }
}

void ArmingDelay::stop() { m_timer->stop(); }

void ArmingDelay::arm() {
    m_timer->stop();
    if (m_armed) return;
    m_armed = true;
    emit armed();
}
