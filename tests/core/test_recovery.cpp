// The recovery copy of an unsaved document: what it holds, that a damaged copy is never taken for
// one, who may read it, and when the keeper writes and removes it.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QFile>
#include <QThread>
#include <random>

#include "core/recovery.h"
#include "core/regions.h"
#include "tempfiles.h"
#include "unprivileged.h"

namespace {

Image randomImage(std::mt19937& random) {
    Image image;
    for (std::uint8_t& b : image) b = std::uint8_t(random());
    return image;
}

DocumentState sampleState(std::mt19937& random) {
    DocumentState state;
    state.image = randomImage(random);
    state.saved = randomImage(random);
    state.fileName = QStringLiteral("/home/club/Wiederholer \u00e4\n2.orv");
    state.reportFileName = QStringLiteral("/home/club/first.orv");
    state.nameKnown = true;
    state.identity = FileIdentity{true, 2049, 123456789, ImageSize, 1765000000, 999999999};
    return state;
}

// A document opened from a file in `dir`, then edited at one byte.
Document editedDocument(const TempFiles& dir) {
    QByteArray bytes(ImageSize, 0);
    bytes[Region::BaseBlock] = 1;
    Document document;
    EXPECT_EQ(document.open(dir.write(QStringLiteral("club.orv"), bytes)), OpenStatus::Loaded);
    document.image[300] = 0x42;
    return document;
}

mode_t modeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 07777;
}

}  // namespace

TEST(RecoveryCopy, HoldsTheWholeDocumentState) {
    std::mt19937 random(7);
    DocumentState state = sampleState(random);
    EXPECT_EQ(Recovery::decode(Recovery::encode(state)), state);
    // A document without a name or a file identity comes back the same.
    state.nameKnown = false;
    state.identity.reset();
    EXPECT_EQ(Recovery::decode(Recovery::encode(state)), state);
    state.identity = FileIdentity{};  // the file was gone when last looked at
    EXPECT_EQ(Recovery::decode(Recovery::encode(state)), state);
    state.fourMemorySaves = true;  // the layout it was edited in
    EXPECT_EQ(Recovery::decode(Recovery::encode(state)), state);
    // A copy of the first heading, without the layout, is still read.
    QByteArray first = Recovery::encode(state).chopped(32);
    first.chop(1);
    first[24] = '1';
    state.fourMemorySaves.reset();
    EXPECT_EQ(Recovery::decode(first + QCryptographicHash::hash(first, QCryptographicHash::Sha256)),
              state);
}

TEST(RecoveryCopy, AnyCutChangeOrAdditionMakesItDamaged) {
    std::mt19937 random(8);
    const QByteArray copy = Recovery::encode(sampleState(random));
    EXPECT_FALSE(Recovery::decode({}));
    for (qsizetype length = 0; length < copy.size(); length += 97)
        EXPECT_FALSE(Recovery::decode(copy.first(length))) << "cut at " << length;
    EXPECT_FALSE(Recovery::decode(copy.chopped(1)));
    EXPECT_FALSE(Recovery::decode(copy + '\0'));
    for (qsizetype at = 0; at < copy.size(); at += 61) {
        QByteArray changed = copy;
        changed[at] = char(changed[at] ^ 0x10);
        EXPECT_FALSE(Recovery::decode(changed)) << "byte " << at;
    }
    // A configuration file is no recovery copy.
    EXPECT_FALSE(Recovery::decode(QByteArray(ImageSize, 0)));
}

TEST(RecoveryCopy, ReadTellsNoneIntactOrDamagedWithAReason) {
    TempFiles dir;
    std::mt19937 random(9);
    const DocumentState state = sampleState(random);
    const QString path = dir.filePath(QStringLiteral("orvedit.recovery"));
    EXPECT_EQ(Recovery::read(path).kind, Recovery::Found::Kind::None);

    ASSERT_TRUE(Recovery::write(path, state).ok);
    const Recovery::Found intact = Recovery::read(path);
    EXPECT_EQ(intact.kind, Recovery::Found::Kind::Intact);
    EXPECT_EQ(intact.state, state);

    dir.write(QStringLiteral("orvedit.recovery"), Recovery::encode(state).first(5000));
    const Recovery::Found cut = Recovery::read(path);
    EXPECT_EQ(cut.kind, Recovery::Found::Kind::Damaged);
    EXPECT_FALSE(cut.reason.isEmpty());

    // A folder in its place cannot be read as a copy either.
    const QString folder = dir.filePath(QStringLiteral("folder.recovery"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(Recovery::read(folder).kind, Recovery::Found::Kind::Damaged);
}

TEST(RecoveryCopy, OnlyItsOwnerCanReadIt) {
    TempFiles dir;
    // The folder lets anyone through, so only the copy's own mode can keep others out.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString path = dir.filePath(QStringLiteral("orvedit.recovery"));
    // An earlier file there that anyone could read and write does not pass its mode on.
    dir.write(QStringLiteral("orvedit.recovery"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    std::mt19937 random(10);
    ASSERT_TRUE(Recovery::write(path, sampleState(random)).ok);
    EXPECT_EQ(modeOf(path), mode_t(0600));
    const int status = runUnprivileged([&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? 1 : 0;
    });
    EXPECT_EQ(status, 0) << "another user could read the copy";
}

TEST(RecoveryKeeper, WritesWhileModifiedAtMostTwiceASecondAndRemovesItsOwnCopy) {
    TempFiles dir;
    const QString path = dir.filePath(QStringLiteral("orvedit.recovery"));
    Document document = editedDocument(dir);
    const Image edited = document.image;
    Recovery::Keeper keeper(path);

    keeper.update(document);
    ASSERT_EQ(Recovery::read(path).kind, Recovery::Found::Kind::Intact);
    EXPECT_EQ(Recovery::read(path).state, document.state());

    // A change right after waits for the gap; keepNow does not.
    document.image[301] = 0x43;
    keeper.update(document);
    EXPECT_EQ(Recovery::read(path).state.image, edited);
    QThread::msleep(Recovery::Keeper::WriteGapMs + 20);
    keeper.update(document);
    EXPECT_EQ(Recovery::read(path).state.image, document.image);
    document.image[302] = 0x44;
    keeper.keepNow(document);
    EXPECT_EQ(Recovery::read(path).state.image, document.image);

    // Back to the file's bytes: nothing unsaved, the copy goes.
    document.image[300] = document.image[301] = document.image[302] = 0;
    keeper.update(document);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(keeper.kept());
}

TEST(RecoveryKeeper, LeavesACopyItDidNotWriteAndSurvivesAFolderItCannotWriteIn) {
    TempFiles dir;
    Document document = editedDocument(dir);
    // Another run's copy is for the start-up question alone.
    const QString path = dir.write(QStringLiteral("orvedit.recovery"), "from another run");
    Recovery::Keeper other(path);
    other.discard();
    EXPECT_TRUE(QFile::exists(path));

    Recovery::Keeper nowhere(dir.filePath(QStringLiteral("missing/orvedit.recovery")));
    nowhere.keepNow(document);
    EXPECT_FALSE(nowhere.kept());
    nowhere.discard();
}

TEST(RecoveryCopy, AnotherUsersCopyOrOneItsUserCannotReadIsNotTaken) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser to give a file to another user";
    TempFiles dir;
    std::mt19937 random(11);
    const QString path = dir.filePath(QStringLiteral("orvedit.recovery"));
    ASSERT_TRUE(Recovery::write(path, sampleState(random)).ok);
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    const Recovery::Found theirs = Recovery::read(path);
    EXPECT_EQ(theirs.kind, Recovery::Found::Kind::Damaged);
    EXPECT_TRUE(theirs.reason.contains(QStringLiteral("nobody"))) << theirs.reason.toStdString();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0), 0);
    EXPECT_EQ(runUnprivileged([&path] {
                  return Recovery::read(path).kind == Recovery::Found::Kind::Damaged ? 0 : 1;
              }),
              0);
}
