// Start-up pieces of the running program: the one-copy lock and the splash wait.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QObject;

class InstanceLock;

// Takes the lock at `lockPath`. `programName` is the file name of the editor's executable, by which
// a live holder on this machine is recognised; empty means the running program's own.
InstanceLock acquireInstanceLock(const QString& lockPath, const QString& programName = {});

// The lock that keeps a second copy from running, and what the start-up makes of it. The lock file
// holds "PID\nAPPNAME\nHOSTNAME\n..." as QLockFile writes it, and its holder keeps an flock() on
// it, so copies of the editor that use QLockFile and this one recognise each other. A link at the
// lock's path is never followed and another user's lock file is never taken over.
class InstanceLock {
public:
    enum class Outcome {
        Held,                // this copy holds the lock until it ends
        AnotherCopyRunning,  // a live copy of the editor on this machine holds it: end silently
        Blocked,             // something else is in the way: show message() and end
        NoLock,  // no lock file can be made (message() says why): run without one, that is no
                 // sign of a copy
    };

    InstanceLock() = default;
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    ~InstanceLock();

    Outcome outcome() const { return m_outcome; }
    // For Blocked: where the lock is and how to clear it. For NoLock: why there is none.
    const QString& message() const { return m_message; }
    static QString messageTitle();

    // For AnotherCopyRunning: the socket the running copy named in the lock file, where it takes
    // files handed over; empty when it named none.
    const QString& handoffPath() const { return m_handoffPath; }
    // For Held: names the socket this copy listens at in the lock file, for later starts whose
    // environment would not find it (su, sudo, another login).
    bool announceHandoff(const QString& socketPath);

    // Removes the lock file, if it is still this copy's, and lets go of it.
    void release();

private:
    friend InstanceLock acquireInstanceLock(const QString& lockPath, const QString& programName);

    Outcome m_outcome = Outcome::NoLock;
    QString m_message;
    QByteArray m_path;  // in the file system's encoding
    QString m_program;
    QString m_handoffPath;
    int m_fd = -1;
};

// The user's own application data folder, where the editor keeps its lock and recovery copy.
QString dataFolderPath();
// Makes the data folder when it is missing (each folder made for the user alone; an existing one
// keeps its mode); the reason when it cannot be made or written in.
std::optional<QString> prepareDataFolder(const QString& folder);
// Where the running program keeps its lock: in the data folder.
QString instanceLockPath();
// Where it keeps the recovery copy of an unsaved document: beside the lock.
QString recoveryPath();
// Where the running copy listens for files handed over by a later start: in the user's private
// runtime folder when the system gives one whose path fits a socket, else in `dataFolder`.
QString handoffSocketPath(const QString& dataFolder);

// Turns SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) into a call of
// `onSignal` with the signal's number, made from the event loop, so the program's state is whole
// when it runs. The watch lasts as long as `context`.
void watchEndSignals(QObject* context, std::function<void(int)> onSignal);
// Ends the program as the signal would have ended it without a watch.
[[noreturn]] void endBySignal(int signal);
// The running program's answer to those signals: `beforeEnd` runs, the lock is released, and the
// program ends as the signal asks.
void endOnSignals(QObject* context, InstanceLock& lock, std::function<void()> beforeEnd);

// Processes window events for the given time (the splash stays responsive while it shows).
void processEventsFor(int milliseconds);
