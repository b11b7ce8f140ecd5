// File rules of the configuration image: what opens, what is refused, what a save leaves on disk.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <functional>

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
    EXPECT_EQ(doc.referenceChecksum(), 5);
    doc.image[100] = 6;
    EXPECT_TRUE(doc.isModified());
    doc.image[100] = 5;
    EXPECT_FALSE(doc.isModified());
    // One byte up, another down: the byte sum is unchanged but the image is not.
    doc.image[100] = 6;
    doc.image[200] = 0xFF;
    ASSERT_TRUE(doc.save().ok);
    doc.image[100] = 7;
    doc.image[200] = 0xFE;
    EXPECT_EQ(byteSum(doc.image), doc.referenceChecksum());
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
    EXPECT_EQ(doc.referenceChecksum(), byteSum(patternedImage()));

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
