// Start-up pieces of the running program: the one-copy lock and the splash wait.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

// The lock that keeps a second copy from running. `lock` is set when this copy holds it.
struct InstanceLock {
    std::unique_ptr<QLockFile> lock;
    bool heldByAnotherCopy = false;  // only then does the program end at start
};

// Takes the lock; a lock left by a copy that crashed is taken over. When no lock file can be made
// at all (the data folder is not writable, is a file, or the disk is full) the program still
// starts, without the lock: that is no sign of another copy.
InstanceLock acquireInstanceLock(const QString& lockPath);

// Where the running program keeps its lock: the user's own application data folder.
QString instanceLockPath();

// Processes window events for the given time (the splash stays responsive while it shows).
void processEventsFor(int milliseconds);
