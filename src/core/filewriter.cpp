#include "core/filewriter.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("FileWriter", text); }

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool statPath(const QString& path, struct stat& info) {
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

QString ownerName(uid_t uid) {
    if (const passwd* entry = ::getpwuid(uid)) return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(uid);
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
