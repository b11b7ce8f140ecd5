// The editor's command line and the hand-over of a named file to the copy already running.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <cstring>
#include <future>

#include "app/handoff.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "core/regions.h"
#include "scriptedprompts.h"
#include "tempfiles.h"
#include "unprivileged.h"

namespace {

using Kind = EditorArguments::Kind;

QString configurationFile(const TempFiles& dir, const QString& name) {
    QByteArray bytes(ImageSize, 0);
    bytes[Region::BaseBlock] = 1;
    return dir.write(name, bytes);
}

// Whether the process has a handler of its own for SIGTERM, as /proc tells.
bool catchesTerminate(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

}  // namespace

TEST(EditorArguments, OneFileMadeAbsoluteOrHelpVersionAndRefusals) {
    const QString here = QStringLiteral("/home/club");
    const struct {
        QStringList arguments;
        Kind kind;
        const char* file;
    } cases[] = {
        {{}, Kind::Run, ""},
        {{"repeater.orv"}, Kind::Run, "/home/club/repeater.orv"},
        {{"../x/./r.orv"}, Kind::Run, "/home/x/r.orv"},
        {{"/srv/r.orv"}, Kind::Run, "/srv/r.orv"},
        {{"--", "-odd.orv"}, Kind::Run, "/home/club/-odd.orv"},
        {{"-"}, Kind::Run, "/home/club/-"},  // the open rules refuse it with their message
        {{"--help"}, Kind::Help, ""},
        {{"a.orv", "-h"}, Kind::Help, ""},
        {{"--version"}, Kind::Version, ""},
        {{"a.orv", "b.orv"}, Kind::Wrong, ""},
        {{"--print"}, Kind::Wrong, ""},
        {{""}, Kind::Wrong, ""},
    };
    for (const auto& c : cases) {
        const EditorArguments parsed = parseEditorArguments(c.arguments, here);
        EXPECT_EQ(parsed.kind, c.kind) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.file, QString::fromUtf8(c.file)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.message.isEmpty(), c.kind != Kind::Wrong);
    }
}

TEST(EditorArguments, NamesNotUtf8OrHoldingALineBreakAreRefusedWithTheirRemedy) {
    EXPECT_FALSE(nameEncodingProblem("/home/club/r\xc3\xa9p.orv"));
    const std::optional<QString> latin1 = nameEncodingProblem("/home/club/r\xe9p's.orv");
    ASSERT_TRUE(latin1);
    EXPECT_TRUE(latin1->contains(
        QStringLiteral("mv -- $'/home/club/r\\xe9p\\x27s.orv' '/home/club/r_p'\\''s.orv'")))
        << latin1->toStdString();
    EXPECT_FALSE(handoverProblem(QStringLiteral("/home/club/r.orv")));
    QString reason;
    EXPECT_FALSE(handFileOver(QStringLiteral("/nonexistent.socket"),
                              QStringLiteral("/d/a.orv\n/d/b.orv"), &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("line break"))) << reason.toStdString();
}

TEST(FileHandoff, TheSocketIsInThePrivateRuntimeFolderOnlyWhenItIsTheUsersAloneAndFits) {
    TempFiles dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    const QString open = dir.filePath(QStringLiteral("open"));
    const QString linked = dir.filePath(QStringLiteral("linked"));
    const QString deep = dir.filePath(QString(90, QLatin1Char('d')));
    ASSERT_TRUE(QDir().mkpath(open) && QDir().mkpath(deep));
    ::chmod(QFile::encodeName(open).constData(), 0755);
    ::chmod(QFile::encodeName(deep).constData(), 0700);
    ASSERT_TRUE(QFile::link(dir.path(), linked));
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QString inData = data + QStringLiteral("/orvedit.socket");
    // clang-format off
    const struct { QString runtime; bool private_; } cases[] = {
        {dir.path(), true}, {open, false}, {linked, false}, {dir.filePath("missing"), false},
        {deep, false}, {QString(), false},
    };
    // clang-format on
    for (const auto& c : cases) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(c.runtime));
        const QString socket = handoffSocketPath(data);
        EXPECT_EQ(socket.startsWith(c.runtime + QStringLiteral("/orvedit-")), c.private_)
            << c.runtime.toStdString() << " gave " << socket.toStdString();
        if (!c.private_) {
            EXPECT_EQ(socket, inData) << c.runtime.toStdString();
        }
    }
    // Another data folder has another socket.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    EXPECT_NE(handoffSocketPath(data), handoffSocketPath(data + QStringLiteral("2")));
    qputenv("XDG_RUNTIME_DIR", saved);
}

TEST(FileHandoff, PathsWaitForTheHandlerAndArriveInOrder) {
    TempFiles dir;
    const QString socket = dir.filePath(QStringLiteral("orvedit.socket"));
    FileReceiver receiver;
    ASSERT_TRUE(receiver.listen(socket));
    const auto send = [&socket](const QString& path) {
        return std::async(std::launch::async, [&socket, path] {
            QString reason;
            return handFileOver(socket, path, &reason, 5000);
        });
    };
    const auto waitFor = [](std::future<bool>& sent) {
        while (sent.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return sent.get();
    };
    std::future<bool> first = send(QStringLiteral("/home/club/\u00e4 one.orv"));
    EXPECT_TRUE(waitFor(first));
    std::future<bool> second = send(QStringLiteral("/home/club/two.orv"));
    EXPECT_TRUE(waitFor(second));

    QStringList got;
    receiver.setHandler([&got](const QString& path) { got << path; });
    EXPECT_EQ(got, (QStringList{QStringLiteral("/home/club/\u00e4 one.orv"),
                                QStringLiteral("/home/club/two.orv")}));

    // No copy listening: the sender is told, it does not wait for ever.
    QString reason;
    EXPECT_FALSE(handFileOver(dir.filePath(QStringLiteral("none.socket")), QStringLiteral("/x.orv"),
                              &reason, 1000));
    EXPECT_FALSE(reason.isEmpty());
}

TEST(FileHandoff, BrokenSendersAreDroppedAndTheNextOneIsTaken) {
    TempFiles dir;
    const QByteArray socket = QFile::encodeName(dir.filePath(QStringLiteral("orvedit.socket")));
    FileReceiver receiver;
    ASSERT_TRUE(receiver.listen(QFile::decodeName(socket)));
    QStringList got;
    receiver.setHandler([&got](const QString& path) { got << path; });
    const auto connected = [&socket] {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socket.constData(), std::size_t(socket.size()));
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        return s;
    };
    const auto settle = [] {
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    // A message longer than any path, with no line end: the receiver hangs up without an answer.
    const int flood = connected();
    const QByteArray tooLong(FileReceiver::LongestMessage + 100, 'x');
    ASSERT_EQ(::send(flood, tooLong.constData(), std::size_t(tooLong.size()), MSG_NOSIGNAL),
              tooLong.size());
    settle();
    char answer[8];
    EXPECT_EQ(::recv(flood, answer, sizeof answer, MSG_DONTWAIT), 0) << "still open";
    ::close(flood);
    // A sender that ends half-way through its line hands nothing over.
    const int cut = connected();
    ASSERT_EQ(::send(cut, "/half/a/path", 12, MSG_NOSIGNAL), 12);
    ::close(cut);
    settle();
    EXPECT_TRUE(got.isEmpty());
    // The next sender is taken as usual.
    std::future<bool> sent = std::async(std::launch::async, [&socket] {
        QString reason;
        return handFileOver(QFile::decodeName(socket), QStringLiteral("/club/n0orv.orv"), &reason,
                            5000);
    });
    while (sent.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(sent.get());
    EXPECT_EQ(got, QStringList{QStringLiteral("/club/n0orv.orv")});
}

TEST(FileHandoff, OnlyThisUserCanReachTheSocket) {
    TempFiles dir;
    // A folder anyone may enter, so only the socket's own access stands in the way.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QByteArray socket = QFile::encodeName(dir.filePath(QStringLiteral("orvedit.socket")));
    {
        FileReceiver receiver;
        ASSERT_TRUE(receiver.listen(QFile::decodeName(socket)));
        struct stat made {};
        ASSERT_EQ(::stat(socket.constData(), &made), 0);
        EXPECT_EQ(made.st_mode & 0077, 0u) << "group or others have access";
        // Another user's start is refused by the system at the connection.
        const int status = runUnprivileged([&socket] {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::memcpy(address.sun_path, socket.constData(), std::size_t(socket.size()));
            const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const int r = ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address);
            return r != 0 && errno == EACCES ? 0 : 1;
        });
        EXPECT_EQ(status, 0);
    }
    // The socket goes with the receiver.
    EXPECT_FALSE(QFileInfo::exists(QFile::decodeName(socket)));
}

TEST(FileHandoff, TheRunningWindowOpensAHandedFileUnlessAnEditorIsOpen) {
    TempFiles dir;
    QSettings store(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ScriptedPrompts prompts;
    MainWindow window(prompts, store);
    const QString first = configurationFile(dir, QStringLiteral("first.orv"));
    const QString second = configurationFile(dir, QStringLiteral("second.orv"));
    window.openHandedFile(first);
    EXPECT_EQ(window.document().fileName(), first);

    // With unsaved changes, a file that cannot be opened is said before any question.
    window.document().image[700] = 1;
    window.openHandedFile(dir.write(QStringLiteral("short.orv"), "too short"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, RecordedMessage::Message);
    prompts.messages.clear();

    // The usual question comes first; Cancel keeps the document.
    prompts.answers = {Answer::Cancel};
    window.openHandedFile(second);
    EXPECT_EQ(window.document().fileName(), first);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, RecordedMessage::YesNoCancel);

    // A modeless editor is open: nothing changes under it, and the user is told.
    window.action(QStringLiteral("mnuUnlock"))->trigger();
    prompts.messages.clear();
    window.openHandedFile(second);
    EXPECT_EQ(window.document().fileName(), first);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, RecordedMessage::Message);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(second))
        << prompts.messages[0].text.toStdString();
}

TEST(FileHandoff, ASecondStartHandsItsFileToTheRunningEditor) {
    TempFiles home;
    const QString first = configurationFile(home, QStringLiteral("first.orv"));
    const QString second = configurationFile(home, QStringLiteral("second.orv"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    // The runtime folder is the user's alone, so the socket is made there.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    const QString lock = home.filePath(QStringLiteral("data/O_RV/orvedit/orvedit.lock"));

    QProcess running;
    running.setProcessEnvironment(environment);
    running.setWorkingDirectory(home.path());
    running.start(QStringLiteral(ORV_EDITOR), {QStringLiteral("first.orv")});
    ASSERT_TRUE(running.waitForStarted());
    QElapsedTimer clock;
    clock.start();
    // The holder names its socket in the lock file, on the line after QLockFile's five.
    QString socket;
    while (socket.isEmpty() && clock.elapsed() < 30000) {
        QTest::qWait(50);
        const QList<QByteArray> lines =
            QFile::exists(lock) ? TempFiles::read(lock).split('\n') : QList<QByteArray>();
        if (lines.size() > 6) socket = QFile::decodeName(lines[5]);
    }
    ASSERT_TRUE(QFileInfo::exists(socket)) << socket.toStdString();
    EXPECT_TRUE(socket.startsWith(home.path() + QStringLiteral("/orvedit-")));

    // A later start whose runtime folder is not the user's alone still finds it through the lock.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/tmp"));
    QProcess later;
    later.setProcessEnvironment(environment);
    later.start(QStringLiteral(ORV_EDITOR), {second});
    ASSERT_TRUE(later.waitForFinished(30000));
    EXPECT_EQ(later.exitCode(), 0) << later.readAllStandardError().toStdString();

    // Once the running copy catches SIGTERM its window is up, and the signal is taken from the
    // event loop after both files were opened; it then writes its recent files and ends.
    clock.restart();
    while (!catchesTerminate(running.processId()) && clock.elapsed() < 30000) QTest::qWait(50);
    ASSERT_TRUE(catchesTerminate(running.processId()));
    ::kill(pid_t(running.processId()), SIGTERM);
    ASSERT_TRUE(running.waitForFinished(10000));
    EXPECT_FALSE(QFileInfo::exists(socket)) << "the socket was left after SIGTERM";
    const QString settings = home.filePath(QStringLiteral("config/O_RV/O_RV.conf"));
    QSettings written(settings, QSettings::IniFormat);
    const bool both = written.value(QStringLiteral("Projects/File1")).toString() == second &&
                      written.value(QStringLiteral("Projects/File2")).toString() == first;
    EXPECT_TRUE(both) << TempFiles::read(settings).toStdString();
}
