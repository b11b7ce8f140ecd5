// Files that are no configuration image, given to Open: each is refused at once, with the message
// its kind calls for, and neither the document nor anything on disk changes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "childprocess.h"
#include "core/document.h"
#include "imagecheck.h"

namespace {

using namespace std::chrono_literals;

QByteArray bytesOf(const Image& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), ImageSize);
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
    return path;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

}  // namespace

TEST(HostileFiles, OpenRefusesEachAtOnceAndChangesNothing) {
    QTemporaryDir dir;
    const QString good = writeFile(dir, "good.orv", bytesOf(patternedImage()));
    const QString fifo = dir.filePath(QStringLiteral("fifo.orv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString dangling = dir.filePath(QStringLiteral("dangling.orv"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("missing.orv")), dangling));
    const QString loopA = dir.filePath(QStringLiteral("loop-a.orv"));
    const QString loopB = dir.filePath(QStringLiteral("loop-b.orv"));
    ASSERT_TRUE(QFile::link(loopB, loopA) && QFile::link(loopA, loopB));
    const QString link = dir.filePath(QStringLiteral("link.orv"));
    ASSERT_TRUE(QFile::link(good, link));
    // 4 GiB + 8192 bytes, all but nothing of it on disk: a length kept in 32 bits reads as 8192.
    const QString sparse = writeFile(dir, "sparse.orv", {});
    ASSERT_EQ(truncate(QFile::encodeName(sparse).constData(), (off_t(1) << 32) + ImageSize), 0);
    ASSERT_EQ(QFileInfo(sparse).size(), (qint64(1) << 32) + ImageSize);

    struct Case {
        QString path;
        OpenStatus expected;
    };
    // clang-format off
    const Case cases[] = {
        {fifo,     OpenStatus::ReadError},        // a reader would wait for a writer for ever
        {dangling, OpenStatus::ReadError},
        {loopA,    OpenStatus::ReadError},
        {sparse,   OpenStatus::BadNameOrLength},
        {link,     OpenStatus::Loaded},           // a link to a good file is that file
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string name = QFileInfo(c.path).fileName().toStdString();
        // In a child, so a hang fails the case instead of the whole run.
        const int result = runWithin(10s, [&] {
            Document document;
            document.image.fill(0x5A);
            const Image before = document.image;
            const OpenStatus status = document.open(c.path);
            if (status != c.expected) return 1;
            if (status == OpenStatus::Loaded)
                return document.image == patternedImage() && document.fileName() == c.path ? 0 : 2;
            return document.image == before && !document.nameKnown() ? 0 : 3;
        });
        EXPECT_EQ(result, 0) << name;
    }
    EXPECT_EQ(contentOf(good), bytesOf(patternedImage()));
    EXPECT_EQ(QFileInfo(sparse).size(), (qint64(1) << 32) + ImageSize);
    EXPECT_TRUE(QFileInfo(fifo).isReadable() && !QFileInfo(fifo).isFile());
}

TEST(HostileFiles, SaveOntoAFolderNamedLikeAFileIsRefused) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("x.orv"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("x.orv")));
    const QString inside = writeFile(dir, "x.orv/keep.txt", "kept");
    Document document;
    document.image = patternedImage();
    const WriteStatus status = document.saveAs(folder);
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.reason.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(contentOf(inside), QByteArray("kept"));
    // The edits still count as unsaved and Save still has no file to write.
    EXPECT_TRUE(document.isModified());
    EXPECT_FALSE(document.nameKnown());
}
