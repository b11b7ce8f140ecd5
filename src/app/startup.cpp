#include "app/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

InstanceLock acquireInstanceLock(const QString& lockPath) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Never treat a lock as stale by its age: only a lock whose process is gone is stale, and
    // QLockFile removes that one by itself.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) return {std::move(lock), false};
    return {nullptr, lock->error() == QLockFile::LockFailedError};
}

QString instanceLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("orvedit.lock"));
}

void processEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}
