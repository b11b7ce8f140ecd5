#include "app/startup.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

#include "core/filewriter.h"

namespace {

QString tr(const char* text) { return QCoreApplication::translate("InstanceLock", text); }

// A copy taking over a stale lock file holds it a moment before its own name is written in it, so a
// held file that names no live copy is looked at again for this long before it is reported.
constexpr int SettleMilliseconds = 300;
constexpr int PollMilliseconds = 20;
// Each removal of the file between our open and our flock costs one more look; a file that keeps
// changing this often is given up on and the editor runs without the lock.
constexpr int MaxMoves = 100;

// The holder a lock file names: its first three lines are the process id, the program's name and
// the host name.
struct LockOwner {
    qint64 pid = 0;
    QString host;    // empty when the file names no holder (empty, cut short, garbage)
    QString socket;  // where the holder takes files handed over; empty when it names none
};

// The line of the lock file after those QLockFile-style readers look at (process, program, host,
// machine and boot): the holder's hand-over socket.
constexpr int SocketLine = 5;

LockOwner readOwner(int fd) {
    char buffer[4096];
    const ssize_t size = pread(fd, buffer, sizeof buffer, 0);
    if (size <= 0) return {};
    const QList<QByteArray> lines = QByteArray(buffer, size).split('\n');
    if (lines.size() < 4) return {};  // fewer than three whole lines
    bool ok = false;
    const qint64 pid = lines[0].toLongLong(&ok);
    if (!ok || pid <= 0 || pid > std::numeric_limits<pid_t>::max() || lines[2].isEmpty()) return {};
    const QString socket =
        lines.size() > SocketLine + 1 ? QFile::decodeName(lines[SocketLine]) : QString();
    return {pid, QString::fromUtf8(lines[2]), socket};
}

// The file name of the program a process runs, or nothing when it cannot be read.
QString executableName(qint64 pid) {
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    char target[4096];
    const ssize_t size = readlink(link.constData(), target, sizeof target);
    if (size <= 0 || size == ssize_t(sizeof target)) return {};
    QByteArray path(target, size);
    // A program replaced on disk while it runs (an update) still is the same program.
    const QByteArray deleted = " (deleted)";
    if (path.endsWith(deleted)) path.chop(deleted.size());
    return QFileInfo(QFile::decodeName(path)).fileName();
}

// True when the owner is a running copy of `program` on this machine. A process of another user
// (EPERM) still exists; if its program cannot be read, it is not taken for a copy of the editor.
bool namesLiveCopy(const LockOwner& owner, const QString& program) {
    if (owner.pid <= 0 || owner.host != QSysInfo::machineHostName()) return false;
    if (kill(pid_t(owner.pid), 0) != 0 && errno != EPERM) return false;
    return executableName(owner.pid) == program;
}

// What QLockFile writes, so that copies of the editor using it see a live holder.
// The hand-over socket, once the holder listens, follows as one more line.
QByteArray lockContent(const QString& program, const QString& socket = {}) {
    QByteArray content = QByteArray::number(qint64(getpid())) + '\n' + program.toUtf8() + '\n' +
                         QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() +
                         '\n' + QSysInfo::bootUniqueId() + '\n';
    if (!socket.isEmpty()) content += QFile::encodeName(socket) + '\n';
    return content;
}

// Writes the lock's content over whatever was there, then cuts it to length, so a copy starting
// now reads the old content or the new, never a file emptied in between.
bool writeLockContent(int fd, const QByteArray& content) {
    return pwrite(fd, content.constData(), content.size(), 0) == content.size() &&
           ftruncate(fd, content.size()) == 0;
}

// The path quoted for a POSIX shell, so the command in a message can be pasted as it is.
QString shellQuoted(const QString& path) {
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString heldMessage(const QString& path, const LockOwner& owner) {
    const QString remove = QStringLiteral("rm ") + shellQuoted(path);
    if (!owner.host.isEmpty() && owner.host != QSysInfo::machineHostName())
        return tr("The editor's lock file is held by a copy of the editor on the computer "
                  "\"%1\":\n%2\n\nIf no copy of the editor is running on %1, remove the lock "
                  "file and start the editor again:\n\n%3")
            .arg(owner.host, path, remove);
    return tr("The editor's lock file is held by a program that is not a running copy of the "
              "editor:\n%1\n\nIf no copy of the editor is running on %2 or on another computer "
              "that shares this folder, remove the lock file and start the editor again:\n\n%3")
        .arg(path, QSysInfo::machineHostName(), remove);
}

QString notAFileMessage(const QString& path, const struct stat& seen) {
    if (S_ISDIR(seen.st_mode))
        return tr("A folder is in the place of the editor's lock file:\n%1\n\nIf it holds nothing "
                  "you need, remove it and start the editor again:\n\n%2")
            .arg(path, QStringLiteral("rmdir ") + shellQuoted(path));
    // A link is never followed: the lock would be written into whatever it points at.
    const QString what = S_ISLNK(seen.st_mode)
                             ? tr("A link (which the editor never follows)")
                             : tr("Something that is not a file (a pipe, a socket or a device)");
    return tr("%1 is in the place of the editor's lock file:\n%2\n\nIf nothing uses it, remove "
              "it and start the editor again:\n\n%3")
        .arg(what, path, QStringLiteral("rm ") + shellQuoted(path));
}

QString foreignMessage(const QString& path, uid_t owner) {
    return tr("The editor's lock file belongs to the user %1, not to you:\n%2\n\nIf no copy of "
              "the editor of that user is running, remove the lock file and start the editor "
              "again:\n\n%3")
        .arg(ownerName(owner), path, QStringLiteral("rm ") + shellQuoted(path));
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// One look at the lock path.
struct Attempt {
    enum class Step { Taken, Live, HeldByOther, NotAFile, Foreign, CannotMake, Moved } step;
    int fd = -1;            // Taken: the lock file, flocked and holding our content
    LockOwner owner = {};   // HeldByOther and Live: whom the file names
    struct stat seen = {};  // NotAFile: what is there; Foreign: the file
    QString reason = {};    // CannotMake: the system's reason
};
using Step = Attempt::Step;

Attempt notAFile(const struct stat& seen) { return {Step::NotAFile, -1, {}, seen}; }

Attempt tryLockOnce(const QByteArray& path, const QString& program) {
    // Anything but a plain file is left alone and not even opened: a pipe would hold up the start,
    // a device may act on being opened, and a link would have the lock written into its target.
    // Only the last part of the path is looked at: a data folder reached through links is fine.
    struct stat seen {};
    if (lstat(path.constData(), &seen) == 0 && !S_ISREG(seen.st_mode)) return notAFile(seen);
    // Opened in place, never renamed over: the flock is held on this file's inode.
    const int fd = open(path.constData(),
                        O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        // No data folder, no permission, a full disk, a link loop: no lock can be made.
        if (lstat(path.constData(), &seen) == 0 && !S_ISREG(seen.st_mode)) return notAFile(seen);
        return {Step::CannotMake, -1, {}, {}, systemReason(error)};
    }
    struct stat own {};
    if (fstat(fd, &own) != 0 || !S_ISREG(own.st_mode)) {
        close(fd);
        return notAFile(own);
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        const LockOwner owner = readOwner(fd);
        if (namesLiveCopy(owner, program)) {
            close(fd);
            return {Step::Live, -1, owner};
        }
        if (held) {
            close(fd);
            return {Step::HeldByOther, -1, owner};
        }
        // A file system without flock (some network mounts): the content alone tells, and a
        // file naming no live copy is taken without the native lock.
    }
    // A holder that ended between our open and our flock removed the file; a lock on a file no
    // longer at the path keeps nobody out.
    if (lstat(path.constData(), &seen) != 0 || !sameFile(seen, own)) {
        close(fd);
        return {Step::Moved};
    }
    // Another user's file is not taken over, whoever runs the editor.
    if (own.st_uid != geteuid()) {
        flock(fd, LOCK_UN);
        close(fd);
        return {Step::Foreign, -1, {}, own};
    }
    // Written over whatever a crashed holder left.
    if (!writeLockContent(fd, lockContent(program))) {
        const int error = errno;
        unlink(path.constData());
        close(fd);
        return {Step::CannotMake, -1, {}, {}, systemReason(error)};
    }
    return {Step::Taken, fd};
}

}  // namespace

InstanceLock acquireInstanceLock(const QString& lockPath, const QString& programName) {
    const QString program = programName.isEmpty()
                                ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                                : programName;
    InstanceLock lock;
    lock.m_path = QFile::encodeName(lockPath);
    lock.m_program = program;
    const QDeadlineTimer settle(SettleMilliseconds);
    for (int moves = 0; moves < MaxMoves;) {
        const Attempt attempt = tryLockOnce(lock.m_path, program);
        switch (attempt.step) {
            case Step::Taken:
                lock.m_fd = attempt.fd;
                lock.m_outcome = InstanceLock::Outcome::Held;
                return lock;
            case Step::Live:
                lock.m_outcome = InstanceLock::Outcome::AnotherCopyRunning;
                lock.m_handoffPath = attempt.owner.socket;
                return lock;
            case Step::CannotMake:
                lock.m_message = tr("the lock file %1 cannot be made (%2)")
                                     .arg(visibleFileName(lockPath), attempt.reason);
                return lock;
            case Step::NotAFile:
                lock.m_outcome = InstanceLock::Outcome::Blocked;
                lock.m_message = notAFileMessage(lockPath, attempt.seen);
                return lock;
            case Step::Foreign:
                lock.m_outcome = InstanceLock::Outcome::Blocked;
                lock.m_message = foreignMessage(lockPath, attempt.seen.st_uid);
                return lock;
            case Step::Moved:
                ++moves;
                break;
            case Step::HeldByOther:
                if (settle.hasExpired()) {
                    lock.m_outcome = InstanceLock::Outcome::Blocked;
                    lock.m_message = heldMessage(lockPath, attempt.owner);
                    return lock;
                }
                QThread::msleep(PollMilliseconds);
                break;
        }
    }
    lock.m_message = tr("the lock file %1 keeps being replaced by another program")
                         .arg(visibleFileName(lockPath));
    return lock;
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : m_outcome(other.m_outcome),
      m_message(std::move(other.m_message)),
      m_path(std::move(other.m_path)),
      m_program(std::move(other.m_program)),
      m_handoffPath(std::move(other.m_handoffPath)),
      m_fd(std::exchange(other.m_fd, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    if (this != &other) {
        release();
        m_outcome = other.m_outcome;
        m_message = std::move(other.m_message);
        m_path = std::move(other.m_path);
        m_program = std::move(other.m_program);
        m_handoffPath = std::move(other.m_handoffPath);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

InstanceLock::~InstanceLock() { release(); }

QString InstanceLock::messageTitle() { return tr("Editor Cannot Start"); }

bool InstanceLock::announceHandoff(const QString& socketPath) {
    if (m_fd < 0) return false;
    m_handoffPath = socketPath;
    return writeLockContent(m_fd, lockContent(m_program, socketPath));
}

void InstanceLock::release() {
    if (m_fd < 0) return;
    // Still holding the flock, so no other copy has taken the file over; unlinking first means a
    // copy that opened it in the meantime sees it gone and looks again.
    struct stat own {
    }, seen{};
    if (fstat(m_fd, &own) == 0 && lstat(m_path.constData(), &seen) == 0 && sameFile(own, seen))
        unlink(m_path.constData());
    close(std::exchange(m_fd, -1));
}

namespace {

QString dataFilePath(const QString& name) { return QDir(dataFolderPath()).filePath(name); }

// Makes the folder and any missing folders above it, each for the user alone; those that exist
// keep their mode. The system's error when it cannot.
int makeFolder(const QByteArray& folder) {
    struct stat seen {};
    if (stat(folder.constData(), &seen) == 0) return S_ISDIR(seen.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT) return errno;
    const qsizetype slash = folder.lastIndexOf('/');
    if (slash > 0) {
        if (const int error = makeFolder(folder.left(slash))) return error;
    }
    if (mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) return errno;
    return 0;
}

// The user's private runtime folder, when the system gives one: a folder of this user's alone,
// as seen without following a link.
QString privateRuntimeFolder() {
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    struct stat seen {};
    if (folder.isEmpty() || lstat(folder.constData(), &seen) != 0) return {};
    if (!S_ISDIR(seen.st_mode) || seen.st_uid != geteuid() || (seen.st_mode & 0777) != 0700)
        return {};
    return QFile::decodeName(folder);
}

// The longest path a local socket's address holds.
constexpr qsizetype LongestSocketPath = sizeof(sockaddr_un::sun_path) - 1;

// The signal watch's pipe: the handler writes the signal's number, the event loop reads it.
int g_signalPipe[2] = {-1, -1};

extern "C" void passSignalOn(int signal) {
    const int saved = errno;
    const char number = char(signal);
    (void)!::write(g_signalPipe[1], &number, 1);
    errno = saved;
}

}  // namespace

QString dataFolderPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

std::optional<QString> prepareDataFolder(const QString& folder) {
    const QByteArray encoded = QFile::encodeName(folder);
    if (const int error = makeFolder(encoded))
        return tr("the editor's data folder %1 cannot be made (%2)")
            .arg(visibleFileName(folder), systemReason(error));
    if (access(encoded.constData(), W_OK | X_OK) != 0)
        return tr("the editor's data folder %1 cannot be written in (%2)")
            .arg(visibleFileName(folder), systemReason(errno));
    return std::nullopt;
}

QString instanceLockPath() { return dataFilePath(QStringLiteral("orvedit.lock")); }

QString recoveryPath() { return dataFilePath(QStringLiteral("orvedit.recovery")); }

QString handoffSocketPath(const QString& dataFolder) {
    // One name per data folder, so runs with different data folders never meet.
    const QString runtime = privateRuntimeFolder();
    if (!runtime.isEmpty()) {
        const QByteArray tag =
            QCryptographicHash::hash(QFile::encodeName(dataFolder), QCryptographicHash::Sha256)
                .toHex()
                .left(12);
        const QString path =
            QDir(runtime).filePath(QStringLiteral("orvedit-%1.socket").arg(QLatin1String(tag)));
        if (QFile::encodeName(path).size() <= LongestSocketPath) return path;
    }
    return QDir(dataFolder).filePath(QStringLiteral("orvedit.socket"));
}

void watchEndSignals(QObject* context, std::function<void(int)> onSignal) {
    if (g_signalPipe[0] < 0 && ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("The end signals cannot be watched: %s", std::strerror(errno));
        return;
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [onSignal = std::move(onSignal)] {
                         char number = 0;
                         if (::read(g_signalPipe[0], &number, 1) == 1) onSignal(number);
                     });
    struct sigaction action {};
    action.sa_handler = passSignalOn;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

void endOnSignals(QObject* context, InstanceLock& lock, std::function<void()> beforeEnd) {
    watchEndSignals(context, [&lock, beforeEnd = std::move(beforeEnd)](int signal) {
        beforeEnd();
        lock.release();
        endBySignal(signal);
    });
}

void endBySignal(int signal) {
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    ::_exit(128 + signal);
}

void processEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}
