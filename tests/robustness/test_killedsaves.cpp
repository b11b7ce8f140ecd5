// Saves killed at any instant: a child saves in a loop and is killed at random times. What is on
// disk afterwards is always one complete image, the old one or one the child saved, never a short
// or mixed file, and never no file at all.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "core/document.h"
#include "imagecheck.h"

namespace {

Image filled(std::uint8_t byte) {
    Image image;
    image.fill(byte);
    return image;
}

}  // namespace

TEST(KilledSaves, LeaveTheOldOrANewCompleteFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("club.orv"));
    const Image old = patternedImage();
    ASSERT_TRUE(writeImageFile(path, old).ok);
    // Two new images that differ from the old one in every byte, so a file mixing any two of the
    // three shows.
    const Image first = filled(0x00);
    const Image second = filled(0xFF);

    std::mt19937 random(15);
    std::uniform_int_distribution<int> delayMicroseconds(0, 8000);
    constexpr int Kills = 300;
    int killsDuringSave = 0;
    int killsAfterASave = 0;
    QByteArray before = bytesOf(old);
    for (int kill = 0; kill < Kills; ++kill) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeEnds[0]);
            // Save n writes `first` for an even n and `second` for an odd one. The child says 's'
            // when a save starts, 'k' when it ended well and 'f' when it failed.
            for (int n = 0;; ++n) {
                if (write(pipeEnds[1], "s", 1) != 1) _exit(1);
                const bool ok = writeImageFile(path, n % 2 ? second : first).ok;
                if (write(pipeEnds[1], ok ? "k" : "f", 1) != 1) _exit(1);
            }
        }
        close(pipeEnds[1]);
        int started = 0;
        int ended = 0;
        const auto take = [&](char mark) {
            EXPECT_NE(mark, 'f') << "a save failed without being killed";
            started += mark == 's';
            ended += mark == 'k';
        };
        // The delay runs from the start of the first save, whatever the child took to get there;
        // every other kill also waits for one save to end, so new images reach the disk too.
        char mark = 0;
        while (started == 0 || ended < kill % 2) {
            ASSERT_EQ(read(pipeEnds[0], &mark, 1), 1);
            take(mark);
        }
        usleep(delayMicroseconds(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        char marks[4096];
        for (ssize_t n; (n = read(pipeEnds[0], marks, sizeof marks)) > 0;)
            std::for_each(marks, marks + n, take);
        close(pipeEnds[0]);

        // On disk: the image of the last save that ended (the file as the previous kill left it
        // when none did), or the one of the save the kill cut short, once that save had put its
        // file in place.
        const auto saved = [&](int n) { return n < 0 ? before : bytesOf(n % 2 ? second : first); };
        const bool cutShort = started > ended;
        killsDuringSave += cutShort;
        killsAfterASave += ended > 0;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no file after kill " << kill;
        const QByteArray content = file.readAll();
        ASSERT_EQ(content.size(), ImageSize) << "after kill " << kill;
        ASSERT_TRUE(content == saved(ended - 1) || (cutShort && content == saved(ended)))
            << "after kill " << kill << ", " << ended << " saves done";
        before = content;
    }
    // The kills must have met saves in progress, not only children that had not started yet.
    EXPECT_GT(killsDuringSave, Kills / 4);
    EXPECT_GE(killsAfterASave, Kills / 2);
    // A killed save may leave its temporary file behind; the document itself is one file.
    const QStringList images = QDir(dir.path()).entryList({QStringLiteral("*.orv")}, QDir::Files);
    EXPECT_EQ(images, QStringList{QStringLiteral("club.orv")});
}
