// Every file the programs write goes through one checked writer: the whole content is written to a
// new file beside the target, checked, synced and only then takes the target's name, keeping what
// the file system says about the file it replaces (owner, group, mode, extended attributes).
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

struct WriteStatus {
    bool ok = false;
    QString reason;         // the file system's explanation when ok is false
    bool declined = false;  // the user chose not to replace the file; nothing was written
};

// What replacing an existing file would change besides its content: a new file that cannot be
// given the old owner and group belongs to whoever writes it, and a file with several names (hard
// links) keeps its old content under the other names.
struct Replacement {
    QString owner;  // the old owner and group, by name where the system knows one
    QString group;
    bool ownerKept = true;
    long long links = 1;
};

// Asked when a replacement would change the owner or split the names; false leaves the file as it
// was. Without one, the writer goes ahead (the group is still kept where it can be).
using ReplacementCheck = std::function<bool(const Replacement&)>;

// Who may read a file once written: whoever the file it replaces allowed (a new file: as the
// user's file-creation mask says), or its owner alone, for a file that holds codes.
enum class FileAccess { AsBefore, OwnerOnly };

// Writes `bytes` as the whole content of the file at `path` (a link is followed to its target).
// A target that exists and is no regular file (a folder, device, FIFO or socket) is refused.
WriteStatus writeFileChecked(const QString& path, const QByteArray& bytes,
                             const ReplacementCheck& check = {},
                             FileAccess access = FileAccess::AsBefore);

// Writes a file the editor keeps for itself in its own data folder (the recovery copy): the bytes
// go to a new file made beside it with no access for anyone else, never through a link, which then
// takes the path by a rename. Whatever was at the path before (a link, another user's file) is
// replaced, never followed, and passes on neither owner nor mode.
WriteStatus writeOwnFile(const QString& path, const QByteArray& bytes);

// A file the editor keeps for itself, read back: only a regular file of the running user, never
// reached through a link and never waited on (a FIFO or a device at the path is refused unread).
struct OwnFile {
    enum class Kind { Missing, Read, Refused };
    Kind kind = Kind::Missing;
    QByteArray bytes;        // Read: at most the limit and one byte more
    long long modified = 0;  // Read: when it was last written, in seconds since 1970
    QString reason;          // Refused: why it is not taken
};
OwnFile readOwnFile(const QString& path, long long limit);

// Renames the file at `path` (whatever it is: a link itself, not its target) to the first free
// name of `path + suffix`, `path + suffix + "-2"`, ...; the new path, or nothing with `reason`.
std::optional<QString> moveAside(const QString& path, const QString& suffix, QString* reason);

// The system's explanation of an error number, as the user reads it.
QString systemReason(int error);
// A user's name, or the number when the system knows no name for it.
QString ownerName(uid_t uid);

// True when both paths name one existing file, however reached (hard links, bind mounts, links).
bool isSameFile(const QString& a, const QString& b);

// Why nothing may be written at `path`: it exists and is no regular file. Nothing when it does
// not exist or is a regular file.
std::optional<QString> notARegularFile(const QString& path);

// The question for a replacement that changes owner or splits names, naming the file.
QString replacementQuestion(const QString& path, const Replacement& replacement);

// A file name as shown to the user: control characters (a newline, a tab) appear escaped as
// "\n", "\t" or "\xHH" so a name can never break a line; any other name is shown unchanged.
QString visibleFileName(const QString& path);

// What is known of a file at one moment, to tell later whether another program changed it.
struct FileIdentity {
    bool exists = false;
    unsigned long long device = 0, inode = 0;
    long long size = 0, modifiedSeconds = 0, modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file at `path` now (a link is followed); `exists` false when it is gone.
// nothing when it cannot be examined.
std::optional<FileIdentity> fileIdentity(const QString& path);
