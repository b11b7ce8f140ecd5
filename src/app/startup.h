// Start-up pieces of the running program: the one-copy lock and the splash wait.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Takes the lock that keeps a second copy from running; nothing when another running copy holds
// it. A lock left by a copy that crashed is taken over.
std::unique_ptr<QLockFile> acquireInstanceLock(const QString& lockPath);

// Where the running program keeps its lock: the user's own application data folder.
QString instanceLockPath();

// Processes window events for the given time (the splash stays responsive while it shows).
void processEventsFor(int milliseconds);
