// Files that are no configuration image, given to Open: each is refused at once, with the message
// its kind calls for, and neither the document nor anything on disk changes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "childprocess.h"
#include "core/document.h"
#include "imagecheck.h"
#include "tempfiles.h"
#include "unprivileged.h"

namespace {

using namespace std::chrono_literals;

// The opened file, changed on disk by `change` right after its length was taken from the handle:
// what another program may do between the look at a file and the read.
class ChangedAfterLookSource final : public ImageSource {
public:
    ChangedAfterLookSource(std::unique_ptr<ImageSource> real, std::function<void()> change)
        : m_real(std::move(real)), m_change(std::move(change)) {}
    qint64 length() override {
        const qint64 length = m_real->length();
        m_change();
        return length;
    }
    qint64 read(char* data, qint64 max) override { return m_real->read(data, max); }

private:
    std::unique_ptr<ImageSource> m_real;
    std::function<void()> m_change;
};

// A file that reads half of itself and then fails, as one on a share that went away.
class FailingHalfWaySource final : public ImageSource {
public:
    qint64 length() override { return ImageSize; }
    qint64 read(char* data, qint64 max) override {
        if (m_done >= ImageSize / 2) return -1;
        const qint64 n = std::min(max, ImageSize / 2 - m_done);
        std::fill(data, data + n, '\x33');
        m_done += n;
        return n;
    }

private:
    qint64 m_done = 0;
};

}  // namespace

TEST(HostileFiles, OpenRefusesEachAtOnceAndChangesNothing) {
    TempFiles dir;
    const QString good = dir.write(QStringLiteral("good.orv"), bytesOf(patternedImage()));
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
    const QString sparse = dir.write(QStringLiteral("sparse.orv"), {});
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
    EXPECT_EQ(TempFiles::read(good), bytesOf(patternedImage()));
    EXPECT_EQ(QFileInfo(sparse).size(), (qint64(1) << 32) + ImageSize);
    EXPECT_TRUE(QFileInfo(fifo).isReadable() && !QFileInfo(fifo).isFile());
}

TEST(HostileFiles, SaveOntoAFolderNamedLikeAFileIsRefused) {
    TempFiles dir;
    const QString folder = dir.filePath(QStringLiteral("x.orv"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("x.orv")));
    const QString inside = dir.write(QStringLiteral("x.orv/keep.txt"), "kept");
    Document document;
    document.image = patternedImage();
    const WriteStatus status = document.saveAs(folder);
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.reason.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(TempFiles::read(inside), QByteArray("kept"));
    // The edits still count as unsaved and Save still has no file to write.
    EXPECT_TRUE(document.isModified());
    EXPECT_FALSE(document.nameKnown());
}

TEST(HostileFiles, AFileChangedBetweenTheLookAndTheReadIsReadAsOpenedOrRefused) {
    TempFiles dir;
    const QString path = dir.filePath(QStringLiteral("x.orv"));
    const QString other = dir.write(QStringLiteral("other.orv"), QByteArray(ImageSize, '\x77'));
    const auto resize = [&](qint64 length) {
        return [&path, length] { QFile::resize(path, length); };
    };
    struct Case {
        const char* what;
        std::function<void()> change;
        OpenStatus expected;
    };
    const Case cases[] = {
        // The open handle still reads the whole file that was looked at.
        {"vanishes", [&] { QFile::remove(path); }, OpenStatus::Loaded},
        {"is replaced", [&] { std::rename(qPrintable(other), qPrintable(path)); },
         OpenStatus::Loaded},
        // Its length is no longer that of an image.
        {"shrinks", resize(ImageSize / 2), OpenStatus::BadNameOrLength},
        {"grows by a byte", resize(ImageSize + 1), OpenStatus::BadNameOrLength},
        {"doubles", resize(2 * ImageSize), OpenStatus::BadNameOrLength},
    };
    for (const Case& c : cases) {
        dir.write(QStringLiteral("x.orv"), bytesOf(patternedImage()));
        Image image;
        image.fill(0x5A);
        const Image before = image;
        ChangedAfterLookSource source(openImageSource(path), c.change);
        const OpenStatus status = readImageFile(path, &source, image);
        EXPECT_EQ(status, c.expected) << c.what;
        EXPECT_EQ(image, status == OpenStatus::Loaded ? patternedImage() : before) << c.what;
    }
    Image image{};
    FailingHalfWaySource failing;
    EXPECT_EQ(readImageFile(path, &failing, image), OpenStatus::ReadError);
    EXPECT_EQ(image, Image{});
}

TEST(HostileFiles, SaveOverAReadOnlyFileIsRefused) {
    TempFiles dir;
    const QByteArray old(ImageSize, '\x22');
    const QString path = dir.write(QStringLiteral("x.orv"), old);
    // The folder lets anyone make and rename files, so only the file's own mode can refuse; the
    // superuser may write any file, so an ordinary user tries.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther);
    EXPECT_EQ(runUnprivileged([&] {
                  Document document;
                  document.image = patternedImage();
                  const WriteStatus status = document.saveAs(path);
                  return !status.ok && !status.reason.isEmpty() && document.isModified() ? 0 : 1;
              }),
              0);
    EXPECT_EQ(TempFiles::read(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("x.orv")});
}
