// File rules of the configuration image: what opens, what is refused, what a save leaves on disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <functional>
#include <iostream>
#include <vector>

#include "core/document.h"
#include "core/regions.h"
#include "filelimit.h"
#include "imagecheck.h"
#include "tempfiles.h"
#include "unprivileged.h"

TEST(Checksum, SumsEveryByteUnsigned) {
    Image image{};
    EXPECT_EQ(byteSum(image), 0);
    image.fill(0xFF);
    EXPECT_EQ(byteSum(image), 2088960);
    image.fill(0);
    image[0] = 0x80;
    image[ImageSize - 1] = 0x01;
    EXPECT_EQ(byteSum(image), 129);
}

TEST(Opening, RefusesWrongNameOrLengthAndLeavesImageAlone) {
    TempFiles dir;
    const Image before = patternedImage();
    struct Case {
        const char* name;
        int length;
        OpenStatus expected;
    } cases[] = {
        {"short.orv", 8191, OpenStatus::BadNameOrLength},
        {"long.orv", 8193, OpenStatus::BadNameOrLength},
        {"empty.orv", 0, OpenStatus::BadNameOrLength},
        {"capital.ORV", 8192, OpenStatus::BadNameOrLength},
        {"other.txt", 8192, OpenStatus::BadNameOrLength},
        {"noext", 8192, OpenStatus::BadNameOrLength},
    };
    for (const Case& c : cases) {
        const QString path = dir.write(QLatin1String(c.name), QByteArray(c.length, '\x11'));
        Image image = before;
        EXPECT_EQ(readImageFile(path, image), c.expected) << c.name;
        EXPECT_EQ(image, before) << c.name;
    }
}

TEST(Opening, MissingOrUnreadableFileIsAReadErrorWhateverItsName) {
    TempFiles dir;
    const Image before = patternedImage();
    Image image = before;
    EXPECT_EQ(readImageFile(dir.filePath(QStringLiteral("gone.orv")), image),
              OpenStatus::ReadError);
    EXPECT_EQ(readImageFile(dir.filePath(QStringLiteral("gone.txt")), image),
              OpenStatus::ReadError);
    // A folder that carries the right name cannot be read as a file.
    QDir(dir.path()).mkdir(QStringLiteral("folder.orv"));
    EXPECT_EQ(readImageFile(dir.filePath(QStringLiteral("folder.orv")), image),
              OpenStatus::ReadError);
    EXPECT_EQ(image, before);
    // A file its user may not read; the superuser reads any file, so an ordinary user tries.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther);
    const QString locked = dir.write(QStringLiteral("locked.orv"), QByteArray(8192, 'x'));
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    EXPECT_EQ(runUnprivileged([&] {
                  Image mine = before;
                  const bool refused = readImageFile(locked, mine) == OpenStatus::ReadError;
                  return refused && mine == before ? 0 : 1;
              }),
              0);
}

TEST(Opening, LoadsAllBytesOfAGoodFile) {
    TempFiles dir;
    const Image content = patternedImage();
    const QString path = dir.write(QStringLiteral("good.orv"), bytesOf(content));
    Image image{};
    EXPECT_EQ(readImageFile(path, image), OpenStatus::Loaded);
    EXPECT_EQ(image, content);
}

TEST(Writing, ReplacesALongerFileWithExactlyTheImage) {
    TempFiles dir;
    const QString path = dir.write(QStringLiteral("big.orv"), QByteArray(20000, '\x55'));
    // A temporary file left by a save that was killed: it may be the only copy, so it stays, and
    // it must not stop this save.
    const QString leftover = dir.write(QStringLiteral("big.orv.Ab12Cd"), QByteArray(8192, '\x44'));
    Image image = patternedImage();
    // The regions no dialog uses travel unchanged too.
    image[0] = 0xA5;
    image[Region::MemorySave1 - 1] = 0x5A;
    image[ImageSize - 1] = 0xC3;
    const WriteStatus status = writeImageFile(path, image);
    ASSERT_TRUE(status.ok) << status.reason.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytesOf(image));
    // Nothing else is left beside the document.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("big.orv"), QStringLiteral("big.orv.Ab12Cd")}));
    QFile kept(leftover);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(8192, '\x44'));
}

TEST(Writing, ShortWriteNeverReplacesOrTruncatesAndSaysWhy) {
    TempFiles dir;
    const QByteArray old(8192, '\x22');
    const QString existing = dir.write(QStringLiteral("old.orv"), old);
    const QString fresh = dir.filePath(QStringLiteral("new.orv"));
    const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    for (const QString& path : {existing, fresh}) {
        WriteStatus status;
        {
            const FileSizeLimit limit(4096);  // the disk fills after half the image
            ASSERT_TRUE(limit.active());
            status = writeImageFile(path, patternedImage());
        }
        EXPECT_FALSE(status.ok) << path.toStdString();
        EXPECT_EQ(status.reason, reason) << path.toStdString();
    }
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("old.orv")}));
}

TEST(Writing, FailureReportsAReasonAndLeavesTheOldFile) {
    TempFiles dir;
    const QString missingFolder = dir.filePath(QStringLiteral("nowhere/x.orv"));
    const WriteStatus status = writeImageFile(missingFolder, patternedImage());
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.reason.isEmpty());
    EXPECT_FALSE(QFile::exists(missingFolder));

    // A folder its user may not write to: no temporary file can be made there, and the save is
    // refused rather than written in place. An ordinary user tries, as the superuser may write.
    const QByteArray old(8192, '\x22');
    const QString path = dir.write(QStringLiteral("old.orv"), old);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadOther | QFileDevice::WriteOther);
    EXPECT_EQ(runUnprivileged([&] {
                  const WriteStatus refused = writeImageFile(path, patternedImage());
                  return !refused.ok && !refused.reason.isEmpty() ? 0 : 1;
              }),
              0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST(PreSaveCheck, AsksOnlyForUnusualAccessFlags) {
    struct Case {
        std::uint8_t flags;
        const char* question;  // nullptr: no question
    } cases[] = {
        {0x01, nullptr},
        {0xF9, nullptr},  // bits 3..7 never matter
        {0x00, "Repeater Transmitter Disabled\nSave Anyway?"},
        {0x07, "\nRepeater CTCSS Enabled\nRepeater DTMF Access Enabled\nSave Anyway?"},
        {0x02, "Repeater Transmitter Disabled\nRepeater CTCSS Enabled\nSave Anyway?"},
        {0x05, "\nRepeater DTMF Access Enabled\nSave Anyway?"},
        {0xF8, "Repeater Transmitter Disabled\nSave Anyway?"},
    };
    for (const Case& c : cases) {
        const auto question = closureQuestion(c.flags);
        if (!c.question) {
            EXPECT_FALSE(question.has_value()) << int(c.flags);
        } else {
            ASSERT_TRUE(question.has_value()) << int(c.flags);
            EXPECT_EQ(question->toStdString(), c.question) << int(c.flags);
        }
    }
}

TEST(PreSaveCheck, ReadsTheFlagsFromTheFirstBaseZoneByte) {
    Image image = patternedImage();
    image[Region::BaseBlock] = 0x07;
    EXPECT_EQ(accessFlags(image), 0x07);
    image[40] = 0x01;
    EXPECT_EQ(accessFlags(image), 0x01);
    EXPECT_FALSE(closureQuestion(accessFlags(image)).has_value());
    // The neighbours, the same byte of memory save #1 and the unlock number play no part.
    image[39] = 0x00;
    image[41] = 0x00;
    image[Region::MemorySave1] = 0x00;
    EXPECT_EQ(accessFlags(image), 0x01);
}

TEST(Modified, FollowsTheBytesNotTheSum) {
    TempFiles dir;
    Document doc;
    EXPECT_FALSE(doc.isModified());
    doc.image[100] = 5;
    ASSERT_TRUE(doc.saveAs(dir.filePath(QStringLiteral("a.orv"))).ok);
    EXPECT_EQ(byteSum(doc.image), 5);
    doc.image[100] = 6;
    EXPECT_TRUE(doc.isModified());
    doc.image[100] = 5;
    EXPECT_FALSE(doc.isModified());
    // One byte up, another down: the byte sum is unchanged but the image is not.
    doc.image[100] = 6;
    doc.image[200] = 0xFF;
    ASSERT_TRUE(doc.save().ok);
    const std::int32_t savedSum = byteSum(doc.image);
    doc.image[100] = 7;
    doc.image[200] = 0xFE;
    EXPECT_EQ(byteSum(doc.image), savedSum);
    EXPECT_TRUE(doc.isModified());
}

TEST(DocumentNames, OpenNamesFileAndReportSaveAsOnlyTheFile) {
    TempFiles dir;
    const QString first = dir.write(QStringLiteral("first.orv"), bytesOf(patternedImage()));
    Document doc;
    EXPECT_FALSE(doc.nameKnown());
    EXPECT_FALSE(doc.save().ok);  // no name yet: nothing is written
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files) == QStringList({"first.orv"}));

    ASSERT_EQ(doc.open(first), OpenStatus::Loaded);
    EXPECT_EQ(doc.fileName(), first);
    EXPECT_EQ(doc.reportFileName(), first);
    EXPECT_TRUE(doc.nameKnown());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(byteSum(doc.image), byteSum(patternedImage()));

    doc.image[10] = 0;
    const QString second = dir.filePath(QStringLiteral("second.orv"));
    ASSERT_TRUE(doc.saveAs(second).ok);
    EXPECT_EQ(doc.fileName(), second);
    EXPECT_EQ(doc.reportFileName(), first);
    EXPECT_FALSE(doc.isModified());

    // Save writes to the Save As name, the opened file stays as it was.
    doc.image[11] = 0;
    ASSERT_TRUE(doc.save().ok);
    QFile written(second);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytesOf(doc.image));
    QFile opened(first);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(opened.readAll(), bytesOf(patternedImage()));

    // Opening another file names the report after it.
    ASSERT_EQ(doc.open(first), OpenStatus::Loaded);
    EXPECT_EQ(doc.fileName(), first);
    EXPECT_EQ(doc.reportFileName(), first);
}

TEST(DocumentNames, FailedOpenOrWriteChangesNoNameAndKeepsTheEdits) {
    TempFiles dir;
    const QString path = dir.write(QStringLiteral("a.orv"), bytesOf(patternedImage()));
    const QString shortFile = dir.write(QStringLiteral("short.orv"), QByteArray(8191, 'x'));
    const QString folder = dir.filePath(QStringLiteral("club"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString named = folder + QStringLiteral("/c.orv");
    const QString gone = dir.filePath(QStringLiteral("gone/b.orv"));
    Document doc;
    ASSERT_EQ(doc.open(path), OpenStatus::Loaded);
    ASSERT_TRUE(doc.saveAs(named).ok);
    doc.image[700] = 0;
    const Image edited = doc.image;

    // clang-format off
    const std::pair<const char*, std::function<bool()>> failures[] = {
        {"open, wrong length", [&] { return doc.open(shortFile) == OpenStatus::BadNameOrLength; }},
        {"open, missing", [&] { return doc.open(dir.filePath("missing.orv")) == OpenStatus::ReadError; }},
        {"save as, no such folder", [&] { return !doc.saveAs(gone).ok; }},
        {"save, folder removed", [&] { return QDir(folder).removeRecursively() && !doc.save().ok; }},
    };
    // clang-format on
    for (const auto& [what, fails] : failures) {
        EXPECT_TRUE(fails()) << what;
        EXPECT_EQ(doc.fileName(), named) << what;
        EXPECT_EQ(doc.reportFileName(), path) << what;
        EXPECT_TRUE(doc.nameKnown()) << what;
        EXPECT_TRUE(doc.image == edited) << what;
        EXPECT_TRUE(doc.isModified()) << what;
    }
    EXPECT_FALSE(QFile::exists(gone));
    EXPECT_FALSE(QFile::exists(named));
}

TEST(Writing, NothingIsWrittenOverWhatIsNoRegularFile) {
    TempFiles dir;
    const auto at = [&dir](const char* name) { return QFile::encodeName(dir.filePath(name)); };
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("folder.orv"))));
    ASSERT_EQ(::mkfifo(at("fifo.orv").constData(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, at("socket.orv").constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::vector<std::pair<const char*, mode_t>> targets = {
        {"folder.orv", S_IFDIR}, {"fifo.orv", S_IFIFO}, {"socket.orv", S_IFSOCK}};
    // A device node needs the right to make one; where it is lacking the other kinds still count.
    if (::mknod(at("null.orv").constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back({"null.orv", S_IFCHR});
    else
        std::cout << "[ SKIPPED  ] no device node: " << std::strerror(errno) << '\n';
    for (const auto& [name, kind] : targets) {
        const WriteStatus status = writeImageFile(dir.filePath(name), patternedImage());
        EXPECT_FALSE(status.ok) << name;
        EXPECT_TRUE(status.reason.contains(QStringLiteral("not a regular file")))
            << name << ": " << status.reason.toStdString();
        struct stat after {};
        ASSERT_EQ(::stat(at(name).constData(), &after), 0) << name;
        EXPECT_EQ(after.st_mode & S_IFMT, kind) << name;
    }
    ::close(sock);
}

TEST(Writing, KeepsOwnerGroupModeAndAttributesOfTheFileItReplaces) {
    if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs the superuser";
    TempFiles dir;
    // clang-format off
    const struct { const char* name; uid_t uid; gid_t gid; mode_t mode; } cases[] = {
        {"shared.orv", 1, 1, 02664},  // a club's folder: set-group-id kept
        {"locked.orv", 0, 0, 0444},   // read-only stays read-only, even written by the superuser
        {"private.orv", 65534, 65534, 0600},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString path = dir.write(QString::fromLatin1(c.name), QByteArray(ImageSize, 'a'));
        const QByteArray native = QFile::encodeName(path);
        ASSERT_EQ(::chown(native.constData(), c.uid, c.gid), 0);
        ASSERT_EQ(::chmod(native.constData(), c.mode), 0);
        const bool attributes = ::setxattr(native.constData(), "user.club", "W1AW", 4, 0) == 0;
        int asked = 0;
        const WriteStatus status = writeImageFile(path, patternedImage(), [&](const Replacement&) {
            ++asked;
            return false;
        });
        ASSERT_TRUE(status.ok) << c.name << ": " << status.reason.toStdString();
        EXPECT_EQ(asked, 0) << c.name;
        struct stat after {};
        ASSERT_EQ(::stat(native.constData(), &after), 0);
        EXPECT_EQ(after.st_uid, c.uid) << c.name;
        EXPECT_EQ(after.st_gid, c.gid) << c.name;
        EXPECT_EQ(after.st_mode & 07777, c.mode) << c.name;
        EXPECT_EQ(TempFiles::read(path), bytesOf(patternedImage())) << c.name;
        if (attributes) {
            char value[8] = {};
            EXPECT_EQ(::getxattr(native.constData(), "user.club", value, sizeof value), 4);
            EXPECT_STREQ(value, "W1AW") << c.name;
        }
    }
}

TEST(Writing, AsksBeforeSplittingTheNamesOfAFile) {
    TempFiles dir;
    const QByteArray old(ImageSize, 'o');
    const QString path = dir.write(QStringLiteral("club.orv"), old);
    const QString other = dir.filePath(QStringLiteral("backup.orv"));
    ASSERT_TRUE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()) ==
                0);
    std::vector<Replacement> asked;
    for (const bool answer : {false, true}) {
        const WriteStatus status =
            writeImageFile(path, patternedImage(), [&](const Replacement& r) {
                asked.push_back(r);
                return answer;
            });
        EXPECT_EQ(status.ok, answer);
        EXPECT_EQ(status.declined, !answer);
        EXPECT_EQ(TempFiles::read(path), answer ? bytesOf(patternedImage()) : old);
        EXPECT_EQ(TempFiles::read(other), old);  // the other name keeps the old content
    }
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].links, 2);
    EXPECT_TRUE(asked[0].ownerKept);
    EXPECT_EQ(replacementQuestion(path, asked[0]),
              path + QStringLiteral(" has 2 names. Saving makes a new file under this name and "
                                    "splits those names: the others keep the old content. Save "
                                    "anyway?"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(Writing, AnotherUsersFileIsNeverTakenOverSilently) {
    if (geteuid() != 0) GTEST_SKIP() << "two users need the superuser to set them up";
    // A club's shared folder: the file belongs to daemon and the group "voice"; the user saving it
    // is nobody, a member of "voice".
    const group* club = ::getgrnam("voice");
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_TRUE(club && nobody);
    TempFiles dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    ASSERT_EQ(::chmod(folder.constData(), 0777), 0);
    const QByteArray old(ImageSize, 'o');
    const QString path = dir.write(QStringLiteral("club.orv"), old);
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(::chown(native.constData(), 1, club->gr_gid), 0);
    ASSERT_EQ(::chmod(native.constData(), 0664), 0);
    const auto save = [&](bool answer) {
        return runAsUser(nobody->pw_uid, club->gr_gid, {club->gr_gid}, [&] {
            Replacement seen;
            const WriteStatus status =
                writeImageFile(path, patternedImage(), [&](const Replacement& r) {
                    seen = r;
                    return answer;
                });
            if (seen.ownerKept || seen.owner != QLatin1String("daemon") ||
                seen.group != QLatin1String("voice") || seen.links != 1)
                return 2;  // the question was not asked, or about something else
            if (replacementQuestion(path, seen) !=
                path + QStringLiteral(" belongs to daemon:voice. Saving makes a new file owned by "
                                      "you. Save anyway?"))
                return 3;
            return status.ok == answer && status.declined == !answer ? 0 : 4;
        });
    };
    EXPECT_EQ(save(false), 0);
    EXPECT_EQ(TempFiles::read(path), old);
    struct stat after {};
    ASSERT_EQ(::stat(native.constData(), &after), 0);
    EXPECT_EQ(after.st_uid, 1u);
    EXPECT_EQ(save(true), 0);
    EXPECT_EQ(TempFiles::read(path), bytesOf(patternedImage()));
    ASSERT_EQ(::stat(native.constData(), &after), 0);
    EXPECT_EQ(after.st_uid, nobody->pw_uid);
    EXPECT_EQ(after.st_gid, club->gr_gid);  // the group stays the club's
    EXPECT_EQ(after.st_mode & 07777, 0664u);
}

TEST(ChangedOnDisk, AnyChangeByAnotherProgramSinceOpenOrSaveCounts) {
    TempFiles dir;
    const QString path = dir.write(QStringLiteral("club.orv"), bytesOf(patternedImage()));
    const QByteArray native = QFile::encodeName(path);
    Document doc;
    EXPECT_FALSE(doc.changedOnDisk());  // no file yet
    // clang-format off
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"other bytes", [&] { dir.write(QStringLiteral("club.orv"), QByteArray(ImageSize, 'x')); }},
        {"same bytes, touched", [&] {
             const timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
             ::utimensat(AT_FDCWD, native.constData(), times, 0); }},
        {"replaced by a copy", [&] {
             const QString copy = dir.write(QStringLiteral("copy.orv"), bytesOf(patternedImage()));
             ::rename(QFile::encodeName(copy).constData(), native.constData()); }},
        {"cut short", [&] { dir.write(QStringLiteral("club.orv"), QByteArray(100, 'x')); }},
    };
    // clang-format on
    for (const auto& [what, change] : changes) {
        dir.write(QStringLiteral("club.orv"), bytesOf(patternedImage()));
        ASSERT_EQ(doc.open(path), OpenStatus::Loaded) << what;
        EXPECT_FALSE(doc.changedOnDisk()) << what;
        change();
        EXPECT_TRUE(doc.changedOnDisk()) << what;
        // A save takes the file's identity anew.
        ASSERT_TRUE(doc.save().ok) << what;
        EXPECT_FALSE(doc.changedOnDisk()) << what;
    }
    // A file that is gone is made anew without a question.
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(doc.changedOnDisk());
}
