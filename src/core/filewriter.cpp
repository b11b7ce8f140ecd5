#include "core/filewriter.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("FileWriter", text); }

bool statPath(const QString& path, struct stat& info) {
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

QString groupName(gid_t gid) {
    if (const group* entry = ::getgrgid(gid)) return QString::fromLocal8Bit(entry->gr_name);
    return QString::number(gid);
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return tr("a folder");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return tr("a device");
    if (S_ISFIFO(mode)) return tr("a FIFO");
    if (S_ISSOCK(mode)) return tr("a socket");
    return tr("no regular file");
}

// Copies the extended attributes of the file at `path` (access control lists included) onto the
// new file where the file system and the user's rights allow; one that cannot be copied is left.
void copyExtendedAttributes(const QByteArray& path, int fd) {
    const ssize_t listSize = ::listxattr(path.constData(), nullptr, 0);
    if (listSize <= 0) return;
    std::vector<char> names(std::size_t(listSize) + 1, '\0');
    const ssize_t got = ::listxattr(path.constData(), names.data(), names.size() - 1);
    if (got <= 0) return;
    for (std::size_t at = 0; at < std::size_t(got); at += std::strlen(names.data() + at) + 1) {
        const char* name = names.data() + at;
        const ssize_t size = ::getxattr(path.constData(), name, nullptr, 0);
        if (size < 0) continue;
        std::vector<char> value(std::size_t(size) + 1);
        const ssize_t read = ::getxattr(path.constData(), name, value.data(), std::size_t(size));
        if (read < 0) continue;
        ::fsetxattr(fd, name, value.data(), std::size_t(read), 0);
    }
}

}  // namespace

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString ownerName(uid_t uid) {
    if (const passwd* entry = ::getpwuid(uid)) return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(uid);
}

std::optional<QString> notARegularFile(const QString& path) {
    struct stat info {};
    if (!statPath(path, info) || S_ISREG(info.st_mode)) return std::nullopt;
    return tr("this is %1, not a regular file; nothing is written over it")
        .arg(kindOf(info.st_mode));
}

bool isSameFile(const QString& a, const QString& b) {
    struct stat first {
    }, second{};
    return statPath(a, first) && statPath(b, second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

WriteStatus writeFileChecked(const QString& path, const QByteArray& bytes,
                             const ReplacementCheck& check, FileAccess access) {
    const QByteArray encoded = QFile::encodeName(path);
    struct stat old {};
    const bool replacing = statPath(path, old);
    if (replacing && !S_ISREG(old.st_mode)) return {false, *notARegularFile(path)};

    // Unbuffered, so every write reaches the file system here and a short one (full disk, file
    // size limit, quota) is seen before commit(); a buffered QSaveFile flushes inside commit() and
    // still renames the short temporary file over the target when that flush fails.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    const auto fail = [&file](QString reason) {
        file.cancelWriting();  // the temporary file goes, the target stays as it was
        return WriteStatus{false, reason};
    };
    const int fd = file.handle();
    const bool ownerOnly = access == FileAccess::OwnerOnly;
    // Before any byte is written, so no one else ever sees them, even in the temporary file.
    if (ownerOnly && ::fchmod(fd, S_IRUSR | S_IWUSR) != 0) return fail(systemReason(errno));

    if (replacing) {
        Replacement replacement{ownerName(old.st_uid), groupName(old.st_gid), true,
                                static_cast<long long>(old.st_nlink)};
        // The new file takes the old one's owner and group before anything else, as changing
        // them clears the set-id bits the mode below puts back.
        replacement.ownerKept = ::fchown(fd, old.st_uid, old.st_gid) == 0;
        if ((!replacement.ownerKept || replacement.links > 1) && check && !check(replacement)) {
            file.cancelWriting();
            return {false, {}, true};
        }
        mode_t mode = old.st_mode & 07777;
        if (!replacement.ownerKept) {
            // The group stays where the user is one of its members; the file is the user's now,
            // and never set-user-id to them.
            (void)::fchown(fd, uid_t(-1), old.st_gid);
            mode &= ~mode_t(S_ISUID);
        }
        // An owner-only file takes neither the old mode nor the old access control lists, which
        // could let others read it.
        if (!ownerOnly) {
            if (::fchmod(fd, mode) != 0) return fail(systemReason(errno));
            copyExtendedAttributes(encoded, fd);
        }
    }

    qint64 done = 0;
    while (done < bytes.size()) {
        // A partial write is retried for the rest, so the system's reason for stopping is known.
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return fail(file.errorString());
        done += n;
    }
    if (!file.flush()) return fail(file.errorString());
    if (file.size() != bytes.size())
        return fail(tr("Only %1 of %2 bytes were written").arg(file.size()).arg(bytes.size()));
    // The bytes must be on the disk before the new file takes the target's name; file systems
    // that report a full disk only on sync (network shares) are caught here. A file system that
    // cannot sync at all is no reason to refuse the write.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return fail(systemReason(errno));
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}

namespace {

// Writes all of `bytes` to `fd` and syncs them; the system's reason when it cannot.
std::optional<QString> writeAllAndSync(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return systemReason(errno);
        if (n == 0) return tr("Only %1 of %2 bytes were written").arg(done).arg(bytes.size());
        done += n;
    }
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return systemReason(errno);
    return std::nullopt;
}

}  // namespace

WriteStatus writeOwnFile(const QString& path, const QByteArray& bytes) {
    const QByteArray encoded = QFile::encodeName(path);
    QByteArray temporary;
    int fd = -1;
    // A fresh name each time: O_EXCL refuses anything already there, a link included.
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        temporary = encoded + '.' +
                    QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".new";
        fd = ::open(temporary.constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return {false, systemReason(errno)};
    std::optional<QString> problem;
    // The file-creation mask may only take rights away; this makes sure none were left.
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0) problem = systemReason(errno);
    if (!problem) problem = writeAllAndSync(fd, bytes);
    if (::close(fd) != 0 && !problem) problem = systemReason(errno);
    if (!problem && ::rename(temporary.constData(), encoded.constData()) != 0)
        problem = systemReason(errno);
    if (problem) {
        ::unlink(temporary.constData());
        return {false, *problem};
    }
    return {true, {}};
}

OwnFile readOwnFile(const QString& path, long long limit) {
    const QByteArray encoded = QFile::encodeName(path);
    const int fd =
        ::open(encoded.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return {};
        struct stat seen {};
        if (errno == ELOOP && ::lstat(encoded.constData(), &seen) == 0 && S_ISLNK(seen.st_mode))
            return {OwnFile::Kind::Refused, {}, 0, tr("it is a link")};
        return {OwnFile::Kind::Refused, {}, 0, systemReason(errno)};
    }
    const std::unique_ptr<const int, void (*)(const int*)> closing(
        &fd, [](const int* f) { ::close(*f); });
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {OwnFile::Kind::Refused, {}, 0, systemReason(errno)};
    if (!S_ISREG(info.st_mode))
        return {OwnFile::Kind::Refused, {}, 0, tr("it is %1").arg(kindOf(info.st_mode))};
    if (info.st_uid != ::geteuid())
        return {OwnFile::Kind::Refused,
                {},
                0,
                tr("it belongs to the user %1").arg(ownerName(info.st_uid))};
    OwnFile out{OwnFile::Kind::Read, {}, static_cast<long long>(info.st_mtim.tv_sec), {}};
    out.bytes.resize(qsizetype(std::min<long long>(limit + 1, info.st_size + 1)));
    qsizetype done = 0;
    while (done < out.bytes.size()) {
        const ssize_t n = ::read(fd, out.bytes.data() + done, std::size_t(out.bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {OwnFile::Kind::Refused, {}, 0, systemReason(errno)};
        if (n == 0) break;
        done += n;
    }
    out.bytes.truncate(done);
    return out;
}

std::optional<QString> moveAside(const QString& path, const QString& suffix, QString* reason) {
    const QByteArray from = QFile::encodeName(path);
    int error = EEXIST;
    for (int n = 1; n <= 100; ++n) {
        const QString to = path + suffix + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        const QByteArray encoded = QFile::encodeName(to);
        struct stat seen {};
        if (::lstat(encoded.constData(), &seen) == 0) continue;  // an earlier one stays
        if (::rename(from.constData(), encoded.constData()) == 0) return to;
        error = errno;
        if (error != EEXIST && error != ENOTEMPTY) break;
    }
    if (reason) *reason = systemReason(error);
    return std::nullopt;
}

QString replacementQuestion(const QString& path, const Replacement& replacement) {
    const QString name = visibleFileName(path);
    const QString names = QString::number(replacement.links);
    QString text;
    if (!replacement.ownerKept) {
        const QString owner = replacement.owner + QLatin1Char(':') + replacement.group;
        text = replacement.links > 1
                   ? tr("%1 belongs to %2 and has %3 names. Saving makes a new file owned by you "
                        "and splits those names.")
                         .arg(name, owner, names)
                   : tr("%1 belongs to %2. Saving makes a new file owned by you.").arg(name, owner);
    } else {
        text = tr("%1 has %2 names. Saving makes a new file under this name and splits those "
                  "names: the others keep the old content.")
                   .arg(name, names);
    }
    return text + QLatin1Char(' ') + tr("Save anyway?");
}

QString visibleFileName(const QString& path) {
    QString shown;
    shown.reserve(path.size());
    for (const QChar c : path) {
        const char16_t code = c.unicode();
        if (code >= 0x20 && code != 0x7F) {
            shown += c;
        } else if (code == u'\n') {
            shown += QLatin1String("\\n");
        } else if (code == u'\t') {
            shown += QLatin1String("\\t");
        } else if (code == u'\r') {
            shown += QLatin1String("\\r");
        } else {
            shown += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        }
    }
    return shown;
}

std::optional<FileIdentity> fileIdentity(const QString& path) {
    struct stat info {};
    if (!statPath(path, info)) {
        if (errno == ENOENT || errno == ENOTDIR) return FileIdentity{};
        return std::nullopt;
    }
    return FileIdentity{true,
                        static_cast<unsigned long long>(info.st_dev),
                        static_cast<unsigned long long>(info.st_ino),
                        static_cast<long long>(info.st_size),
                        static_cast<long long>(info.st_mtim.tv_sec),
                        static_cast<long long>(info.st_mtim.tv_nsec)};
}
