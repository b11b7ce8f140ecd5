// Unsaved work outlives the editor: the recovery copy the document session keeps and removes as
// the main window drives it, the start-up question, a copy of the editor killed at random
// instants, and the end signals.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <cstring>
#include <functional>
#include <map>
#include <random>

#include "app/mainwindow.h"
#include "core/recovery.h"
#include "core/regions.h"
#include "fields/compare.h"
#include "filelimit.h"
#include "scriptedprompts.h"
#include "tempfiles.h"

namespace {

using Kind = Recovery::Found::Kind;

class RecoveryTest : public ::testing::Test {
protected:
    TempFiles dir;
    QSettings store{dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;
    QString copyPath = dir.filePath(QStringLiteral("orvedit.recovery"));

    void start() { window = std::make_unique<MainWindow>(prompts, store); }
    QString makeFile(const QString& name, std::uint8_t fill = 0) {
        QByteArray bytes(ImageSize, char(fill));
        bytes[Region::BaseBlock] = 0x01;
        return dir.write(name, bytes);
    }
    Recovery::Found copy() const { return Recovery::read(copyPath); }
    void tick() { window->refreshModified(); }
    // Past the keeper's gap between writes, so the next tick writes.
    void tickLater() {
        QThread::msleep(Recovery::Keeper::WriteGapMs + 10);
        tick();
    }
};

// The state a run left: `path` opened, then edited at one byte.
DocumentState leftBehind(const QString& path) {
    Document document;
    EXPECT_EQ(document.open(path), OpenStatus::Loaded);
    document.image[600] = 0x66;
    return document.state();
}

QByteArray hashOf(const Image& image) {
    return QCryptographicHash::hash(
               QByteArrayView(reinterpret_cast<const char*>(image.data()), ImageSize),
               QCryptographicHash::Sha1)
        .toHex();
}

}  // namespace

TEST_F(RecoveryTest, KeptWhileModifiedAndRemovedOnSaveOpenOrAConfirmedClose) {
    start();
    window->session().takeUpRecovery(copyPath);
    EXPECT_TRUE(prompts.messages.empty());
    const QString path = makeFile(QStringLiteral("club.orv"));
    ASSERT_TRUE(window->session().open(path));
    tick();
    EXPECT_EQ(copy().kind, Kind::None);

    window->document().image[900] = 3;
    tick();
    ASSERT_EQ(copy().kind, Kind::Intact);
    DocumentState kept = window->document().state();
    kept.fourMemorySaves = window->settings().fourMemorySaves;  // the copy holds the layout too
    EXPECT_EQ(copy().state, kept);
    window->action(QStringLiteral("mnuSave"))->trigger();
    EXPECT_EQ(copy().kind, Kind::None);

    window->document().image[900] = 4;
    tickLater();
    ASSERT_EQ(copy().kind, Kind::Intact);
    prompts.answers = {Answer::No};
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("other.orv"))));
    EXPECT_EQ(copy().kind, Kind::None);

    // Cancel keeps the copy with the program; No lets the changes and the copy go.
    window->show();
    window->document().image[901] = 5;
    tickLater();
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(copy().kind, Kind::Intact);
    prompts.answers = {Answer::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(copy().kind, Kind::None);
}

TEST_F(RecoveryTest, StartOffersTheCopyAndYesTakesItUpAgainstTheFileAsItWas) {
    const QString path = makeFile(QStringLiteral("club.orv"));
    DocumentState state = leftBehind(path);
    state.fourMemorySaves = false;  // edited with DIP switch #5 OFF, not yet saved
    ASSERT_TRUE(Recovery::write(copyPath, state).ok);
    // Another program wrote the file since.
    makeFile(QStringLiteral("club.orv"), 0x22);

    start();
    ASSERT_TRUE(window->settings().fourMemorySaves);
    prompts.answers = {Answer::Yes};
    window->session().takeUpRecovery(copyPath);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, RecordedMessage::YesNo);
    EXPECT_EQ(prompts.lastPreferred, Answer::Yes);  // Enter loses nothing
    EXPECT_TRUE(prompts.messages[0].text.startsWith(
        "The editor was not closed properly. Recover the unsaved changes to\n" + path +
        "?\n\n"
        "Last changed "))
        << prompts.messages[0].text.toStdString();
    const std::size_t values = Compare::compare(state.image, state.saved, false).rows.size();
    EXPECT_TRUE(prompts.messages[0].text.endsWith(
        (values == 1 ? QStringLiteral("; 1 value differs")
                     : QStringLiteral("; %1 values differ").arg(values)) +
        " from the saved file."));
    EXPECT_EQ(window->document().image, state.image);
    EXPECT_FALSE(window->settings().fourMemorySaves);  // the layout comes back with the changes
    EXPECT_TRUE(window->action(QStringLiteral("mnuAreaCodes"))->isEnabled());
    EXPECT_EQ(window->panelText(1), path + " ");
    EXPECT_EQ(window->panelText(2), QStringLiteral("Mod"));
    EXPECT_EQ(window->settings().recentFiles[0], path);
    EXPECT_TRUE(window->action(QStringLiteral("mnuSave"))->isEnabled());
    EXPECT_FALSE(window->action(QStringLiteral("mnuUndo"))->isEnabled());
    // This run keeps it from now on.
    EXPECT_EQ(copy().state, state);

    // The other program's change is asked about before Save writes over it.
    prompts.answers = {Answer::No};
    window->action(QStringLiteral("mnuSave"))->trigger();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].title, QStringLiteral("File Changed"));
    EXPECT_EQ(std::uint8_t(dir.read(path)[600]), 0x22);
}

TEST_F(RecoveryTest, ACopyOfAFileThatIsGoneHasNoNameUntilSaveAs) {
    const QString path = makeFile(QStringLiteral("gone.orv"));
    const DocumentState state = leftBehind(path);
    ASSERT_TRUE(Recovery::write(copyPath, state).ok);
    ASSERT_TRUE(QFile::remove(path));

    start();
    prompts.answers = {Answer::Yes};
    window->session().takeUpRecovery(copyPath);
    EXPECT_EQ(window->document().image, state.image);
    EXPECT_EQ(window->panelText(1), QStringLiteral("(recovered) "));
    EXPECT_TRUE(window->action(QStringLiteral("mnuCodesTimers"))->isEnabled());
    EXPECT_FALSE(window->action(QStringLiteral("mnuCompareSaved"))->isEnabled());
    EXPECT_TRUE(window->settings().recentFiles[0].isEmpty());

    // Save asks for a name; the document then goes by it.
    const QString saved = dir.filePath(QStringLiteral("found.orv"));
    prompts.files = {saved};
    window->action(QStringLiteral("mnuSave"))->trigger();
    EXPECT_EQ(std::uint8_t(dir.read(saved)[600]), 0x66);
    EXPECT_EQ(window->panelText(1), saved + " ");
    EXPECT_TRUE(window->action(QStringLiteral("mnuCompareSaved"))->isEnabled());
    EXPECT_EQ(copy().kind, Kind::None);
}

TEST_F(RecoveryTest, NoDiscardsTheCopyAndADamagedCopyIsDiscardedWithAMessage) {
    const QString path = makeFile(QStringLiteral("club.orv"));
    ASSERT_TRUE(Recovery::write(copyPath, leftBehind(path)).ok);
    start();
    prompts.answers = {Answer::No};
    window->session().takeUpRecovery(copyPath);
    EXPECT_EQ(copy().kind, Kind::None);
    EXPECT_FALSE(window->document().nameKnown());

    dir.write(QStringLiteral("orvedit.recovery"), Recovery::encode(leftBehind(path)).first(9000));
    prompts.messages.clear();
    start();
    window->session().takeUpRecovery(copyPath);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, RecordedMessage::Message);
    EXPECT_TRUE(prompts.messages[0].text.contains(copyPath))
        << prompts.messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(copyPath));
    EXPECT_FALSE(window->document().nameKnown());
    EXPECT_FALSE(window->action(QStringLiteral("mnuCodesTimers"))->isEnabled());
}

TEST_F(RecoveryTest, AnythingButTheUsersOwnCopyIsPutAsideAndNamedWithoutHoldingUpTheStart) {
    const QString precious = dir.write(QStringLiteral("precious.txt"), "precious");
    // clang-format off
    const struct { const char* name; std::function<bool(const QString&)> make; } cases[] = {
        {"fifo",   [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
        {"folder", [](const QString& p) { return QDir().mkdir(p); }},
        {"link",   [&precious](const QString& p) { return QFile::link(precious, p); }},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.make(copyPath));
        prompts.messages.clear();
        start();
        window->session().takeUpRecovery(copyPath);
        ASSERT_EQ(prompts.messages.size(), 1u);
        const QString aside = copyPath + QStringLiteral(".unreadable");
        EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("moved to ") + aside))
            << prompts.messages[0].text.toStdString();
        // This run keeps its own copy in the place.
        ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("club.orv"))));
        window->document().image[900] = 3;
        tick();
        EXPECT_EQ(copy().kind, Kind::Intact);
        EXPECT_TRUE(window->noticeText().isEmpty()) << window->noticeText().toStdString();
        EXPECT_EQ(dir.read(precious), "precious");
        window.reset();
        ASSERT_TRUE(QFile::remove(copyPath));
        ASSERT_TRUE(QFile::remove(aside) || QDir(aside).removeRecursively());
    }
}

TEST_F(RecoveryTest, AFailedWriteIsSaidAndAfterACrashTheStateKeptBeforeIsOfferedAsOlder) {
    start();
    window->session().takeUpRecovery(copyPath);
    ASSERT_TRUE(window->session().open(makeFile(QStringLiteral("club.orv"))));
    window->document().image[900] = 3;
    tick();
    const Image kept = window->document().image;
    window->document().image[900] = 4;
    {
        FileSizeLimit full(4096);
        tickLater();
    }
    EXPECT_EQ(window->noticeText(), QStringLiteral("Unsaved changes are not being kept: ") +
                                        QString::fromLocal8Bit(std::strerror(EFBIG)));
    // Killed: nothing of the window's end runs.
    window.reset();

    prompts.answers = {Answer::Yes};
    start();
    window->session().takeUpRecovery(copyPath);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("as they were at ")) &&
                prompts.messages[0].text.endsWith(QStringLiteral(", an older state?")))
        << prompts.messages[0].text.toStdString();
    EXPECT_EQ(window->document().image, kept);
    EXPECT_EQ(copy().state.image, kept);
    EXPECT_FALSE(QFile::exists(Recovery::olderPath(copyPath)));
}

namespace {

// Runs the child editor in `folder` with `args`; its standard output comes through `out`.
pid_t startChild(const QString& folder, const QList<QByteArray>& args, int* out = nullptr) {
    int fds[2] = {-1, -1};
    if (out && ::pipe(fds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (out) ::dup2(fds[1], STDOUT_FILENO);
        std::vector<QByteArray> owned{QByteArray(ORV_RECOVERY_CHILD), QFile::encodeName(folder)};
        for (const QByteArray& a : args) owned.push_back(a);
        std::vector<char*> argv;
        for (QByteArray& a : owned) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (out) {
        ::close(fds[1]);
        *out = fds[0];
    }
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid ? status : -1;
}

}  // namespace

TEST_F(RecoveryTest, AnEditorKilledAtAnyInstantLeavesNothingOrTheLastStateKept) {
    std::mt19937 random(24);
    int offered = 0;
    for (int round = 0; round < 10; ++round) {
        TempFiles folder;
        QByteArray bytes(ImageSize, 0);
        bytes[Region::BaseBlock] = 1;
        const QString path = folder.write(QStringLiteral("club.orv"), bytes);
        const pid_t child = startChild(folder.path(), {"edit", QByteArray::number(round)});
        ASSERT_GT(child, 0);
        // From its first edit on (a slow start says nothing), then at a random instant.
        QElapsedTimer starting;
        starting.start();
        while (QFileInfo(folder.filePath(QStringLiteral("log"))).size() == 0 &&
               starting.elapsed() < 30000)
            QThread::msleep(5);
        QThread::msleep(random() % 1000);
        ::kill(child, SIGKILL);
        const int status = waitFor(child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << status;

        // Every state the child reached, in order, and the last copy it saw on disk.
        const QList<QByteArray> lines = TempFiles::read(folder.filePath("log")).split('\n');
        std::map<QByteArray, int> stateAt;  // hash -> the last line it was reached on
        int lastKeptLine = -1;
        QByteArray lastKept;
        for (int n = 0; n < lines.size(); ++n) {
            if (lines[n].startsWith("state ")) stateAt[lines[n].mid(6)] = n;
            if (lines[n].startsWith("kept ")) {
                lastKeptLine = n;
                lastKept = lines[n].mid(5);
            }
        }
        ASSERT_FALSE(stateAt.empty()) << "round " << round;

        const Recovery::Found found =
            Recovery::read(folder.filePath(QStringLiteral("orvedit.recovery")));
        ASSERT_NE(found.kind, Kind::Damaged) << "round " << round;
        if (found.kind == Kind::None) {
            // Nothing kept yet, or the edits had come back to the file's bytes.
            EXPECT_TRUE(lastKept.isEmpty()) << "round " << round;
            continue;
        }
        // The copy is the one last seen kept, or a state reached after that look.
        const QByteArray hash = hashOf(found.state.image);
        const auto reached = stateAt.find(hash);
        ASSERT_NE(reached, stateAt.end()) << "round " << round << ": a state never reached";
        EXPECT_TRUE(hash == lastKept || reached->second > lastKeptLine) << "round " << round;
        EXPECT_EQ(found.state.fileName, path);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(found.state.saved.data()), ImageSize),
                  bytes);

        // The next start offers exactly that.
        ScriptedPrompts answers;
        answers.answers = {Answer::Yes};
        QSettings settings(folder.filePath(QStringLiteral("next.ini")), QSettings::IniFormat);
        MainWindow next(answers, settings);
        next.session().takeUpRecovery(folder.filePath(QStringLiteral("orvedit.recovery")));
        EXPECT_EQ(next.document().image, found.state.image);
        ++offered;
    }
    EXPECT_GT(offered, 5);
}

TEST_F(RecoveryTest, EndSignalsKeepTheLatestChangesAndWriteTheSettings) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        TempFiles folder;
        QByteArray bytes(ImageSize, 0);
        bytes[Region::BaseBlock] = 1;
        folder.write(QStringLiteral("club.orv"), bytes);
        int out = -1;
        const pid_t child = startChild(folder.path(), {"signal"}, &out);
        ASSERT_GT(child, 0);
        char ready[6] = {};
        ASSERT_EQ(::read(out, ready, 6), 6);
        ::close(out);
        ::kill(child, signal);
        const int status = waitFor(child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;

        // The second change had not waited out the gap between writes: the signal kept it.
        const Recovery::Found found =
            Recovery::read(folder.filePath(QStringLiteral("orvedit.recovery")));
        ASSERT_EQ(found.kind, Kind::Intact);
        EXPECT_EQ(found.state.image[300], 0x5A);
        EXPECT_EQ(found.state.image[301], 0xA5);
        QSettings written(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        EXPECT_EQ(written.value(QStringLiteral("Printer/FontName")).toString(),
                  QStringLiteral("Courier New"));
        EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("orvedit.lock"))));
    }
}
