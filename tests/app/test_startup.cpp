// Start-up pieces: the one-copy lock and the About window.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QLockFile>
#include <QPushButton>
#include <QSysInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "app/aboutdialog.h"
#include "app/programdialogs.h"
#include "app/startup.h"
#include "scriptedprompts.h"
#include "tempfiles.h"
#include "ui/helpviewer.h"
#include "ui/plaindialog.h"
#include "ui/qtprompts.h"
#include "unprivileged.h"

namespace {

using Outcome = InstanceLock::Outcome;

QString programName() { return QFileInfo(QCoreApplication::applicationFilePath()).fileName(); }

// A lock file as QLockFile writes it, naming `pid` running this test program on `host`.
QByteArray lockNaming(qint64 pid, const QString& host) {
    return QByteArray::number(pid) + '\n' + programName().toUtf8() + '\n' + host.toUtf8() + '\n';
}

}  // namespace

TEST(InstanceLock, SecondCopyIsRefusedUntilTheFirstEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvedit.lock"));
    InstanceLock first = acquireInstanceLock(path);
    ASSERT_EQ(first.outcome(), Outcome::Held);
    const InstanceLock second = acquireInstanceLock(path);
    EXPECT_EQ(second.outcome(), Outcome::AnotherCopyRunning);
    first.release();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(acquireInstanceLock(path).outcome(), Outcome::Held);
}

TEST(InstanceLock, LockOfACrashedCopyIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvedit.lock"));
    // A lock file as a copy leaves it when it dies: its process no longer exists.
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(0x7FFFFFF0) + "\norvedit\n" +
                QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    EXPECT_EQ(acquireInstanceLock(path).outcome(), Outcome::Held);
}

TEST(InstanceLock, ALockThatCannotBeMadeIsNoReasonToEnd) {
    QTemporaryDir dir;
    // The data folder is a regular file, so no lock file can be created inside it.
    const QString notAFolder = dir.filePath(QStringLiteral("data"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const InstanceLock lock = acquireInstanceLock(notAFolder + QStringLiteral("/orvedit.lock"));
    EXPECT_EQ(lock.outcome(), Outcome::NoLock);
}

TEST(InstanceLock, AFileNobodyHoldsIsTakenOverWhateverItSays) {
    // clang-format off
    const struct { const char* name; QByteArray content; } cases[] = {
        {"empty",        {}},
        {"garbage",      QByteArray("\x01\xff\nnot\na lock")},
        {"another host", lockNaming(getpid(), QStringLiteral("orv-elsewhere"))},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles dir;
        const QString path = dir.write(QStringLiteral("orvedit.lock"), c.content);
        InstanceLock lock = acquireInstanceLock(path);
        ASSERT_EQ(lock.outcome(), Outcome::Held);
        // Rewritten so that a copy using QLockFile reads this process as the holder.
        qint64 pid = 0;
        QString host, app;
        EXPECT_TRUE(QLockFile(path).getLockInfo(&pid, &host, &app));
        EXPECT_EQ(pid, getpid());
        EXPECT_EQ(host, QSysInfo::machineHostName());
        EXPECT_EQ(app, programName());
    }
}

TEST(InstanceLock, AHeldFileEndsSilentlyOnlyWhenItNamesARunningCopyHere) {
    // clang-format off
    const struct { const char* name; QByteArray content; Outcome outcome; QString named; } cases[] = {
        {"this copy",     lockNaming(getpid(), QSysInfo::machineHostName()),
                          Outcome::AnotherCopyRunning, {}},
        {"another host",  lockNaming(getpid(), QStringLiteral("orv-elsewhere")),
                          Outcome::Blocked, QStringLiteral("orv-elsewhere")},
        {"other program", lockNaming(getppid(), QSysInfo::machineHostName()),
                          Outcome::Blocked, QSysInfo::machineHostName()},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles dir;
        const QString path = dir.write(QStringLiteral("orvedit.lock"), c.content);
        // A descriptor of its own: its flock conflicts with any other open of the file, even in
        // this process, as a holder elsewhere does.
        const int holder = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
        const InstanceLock lock = acquireInstanceLock(path);
        close(holder);
        EXPECT_EQ(lock.outcome(), c.outcome);
        EXPECT_EQ(TempFiles::read(path), c.content);
        if (c.outcome != Outcome::Blocked) continue;
        EXPECT_TRUE(lock.message().contains(path)) << lock.message().toStdString();
        EXPECT_TRUE(lock.message().contains(c.named)) << lock.message().toStdString();
    }
}

TEST(InstanceLock, AFolderPipeOrLinkAtTheLockPathIsReportedAndLeft) {
    // A link is never followed, wherever it points: at the user's notes, nowhere, or at itself.
    const auto link = [](const QString& target) {
        return [target](const QString& p) {
            return QFile::link(QFileInfo(p).dir().filePath(target), p);
        };
    };
    // clang-format off
    const struct { const char* name; std::function<bool(const QString&)> make; QString command; } cases[] = {
        {"folder", [](const QString& p) { return QDir().mkdir(p); },
                   QStringLiteral("rmdir '")},
        {"fifo",   [](const QString& p) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; },
                   QStringLiteral("rm '")},
        {"link",   link(QStringLiteral("notes.txt")), QStringLiteral("rm '")},
        {"dangling link", link(QStringLiteral("missing.txt")), QStringLiteral("rm '")},
        {"link loop", link(QStringLiteral("orvedit.lock")), QStringLiteral("rm '")},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles dir;
        const QString notes = dir.write(QStringLiteral("notes.txt"), "notes\n");
        const QString path = dir.filePath(QStringLiteral("orvedit.lock"));
        ASSERT_TRUE(c.make(path));
        const InstanceLock lock = acquireInstanceLock(path);
        EXPECT_EQ(lock.outcome(), Outcome::Blocked);
        EXPECT_TRUE(lock.message().contains(c.command + path + QLatin1Char('\'')))
            << lock.message().toStdString();
        struct stat left {};
        EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &left), 0);
        EXPECT_FALSE(S_ISREG(left.st_mode));
        EXPECT_EQ(TempFiles::read(notes), "notes\n");
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing.txt"))));
    }
}

TEST(InstanceLock, AnotherUsersLockFileIsNotTakenOverEvenByTheSuperuser) {
    if (geteuid() != 0) GTEST_SKIP() << "needs the superuser to give a file to another user";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    TempFiles dir;
    const QByteArray stale = "999999999\norvedit\nelsewhere\n";
    const QString path = dir.write(QStringLiteral("orvedit.lock"), stale);
    ASSERT_EQ(chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    // A link to that user's file is no way in either.
    const QString theirs = dir.write(QStringLiteral("theirs.txt"), "theirs");
    ASSERT_EQ(chown(QFile::encodeName(theirs).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    const QString linked = dir.filePath(QStringLiteral("linked.lock"));
    ASSERT_TRUE(QFile::link(theirs, linked));

    const InstanceLock lock = acquireInstanceLock(path);
    EXPECT_EQ(lock.outcome(), Outcome::Blocked);
    EXPECT_TRUE(lock.message().contains(QStringLiteral("nobody"))) << lock.message().toStdString();
    EXPECT_EQ(TempFiles::read(path), stale);
    EXPECT_EQ(acquireInstanceLock(linked).outcome(), Outcome::Blocked);
    EXPECT_EQ(TempFiles::read(theirs), "theirs");
}

TEST(DataFolder, MadeForTheUserAloneOrSaidWhyNot) {
    TempFiles dir;
    const auto modeOf = [](const QString& path) {
        struct stat seen {};
        return stat(QFile::encodeName(path).constData(), &seen) == 0 ? seen.st_mode & 0777 : 0;
    };
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const QString made = dir.filePath(QStringLiteral("share/O_RV/orvedit"));
    EXPECT_FALSE(prepareDataFolder(made));
    EXPECT_EQ(modeOf(dir.filePath(QStringLiteral("share"))), 0700u);
    EXPECT_EQ(modeOf(made), 0700u);
    EXPECT_EQ(modeOf(dir.path()), 0755u);  // an existing folder keeps its mode
    // Reached through a link, it is used as it is.
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("share")), dir.filePath("linked")));
    EXPECT_FALSE(prepareDataFolder(dir.filePath(QStringLiteral("linked/O_RV/orvedit"))));

    const QString file = dir.write(QStringLiteral("file"), "x");
    const std::optional<QString> under = prepareDataFolder(file + QStringLiteral("/orvedit"));
    ASSERT_TRUE(under);
    EXPECT_TRUE(under->contains(file)) << under->toStdString();
    EXPECT_EQ(acquireInstanceLock(file + QStringLiteral("/orvedit.lock")).message().isEmpty(),
              false);
    // A folder the user may not write in, as that user.
    const int status = runUnprivileged([&] {
        return prepareDataFolder(QStringLiteral("/root/orvedit-test")).has_value() ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST(About, ShowsTitleVersionAndFocusOnOk) {
    ScriptedPrompts prompts;
    AboutDialog about(prompts, AboutDialog::Mode::About);
    about.show();
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
              QStringLiteral("ORVANE 32 Bit Editor Program"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 2.10    April 1, 2002"));
    // The editor's icon, built in at every drawn size, beside the texts.
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("imgIcon"))->pixmap().size(), QSize(64, 64));
    EXPECT_EQ(AboutDialog::editorIcon().availableSizes().size(), 8);
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    EXPECT_TRUE(ok->isVisible());
    EXPECT_TRUE(ok->hasFocus() || about.focusWidget() == ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());

    AboutDialog splash(prompts, AboutDialog::Mode::Splash);
    splash.show();
    EXPECT_FALSE(splash.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isVisible());
    EXPECT_FALSE(splash.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->isVisible());
}

TEST(About, SystemInfoWithoutAToolSaysSo) {
    ScriptedPrompts prompts;
    QTemporaryDir emptyPath;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    AboutDialog about(prompts, AboutDialog::Mode::About);
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    qputenv("PATH", oldPath);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("System Information Is Unavailable At This Time"));
}

TEST(Help, PagesAreBuiltInAndSearchable) {
    HelpViewer* viewer = HelpViewer::instance();
    const auto& keywords = viewer->keywords();
    EXPECT_EQ(keywords.value(QStringLiteral("save as")), QStringLiteral("files.html"));
    EXPECT_EQ(keywords.value(QStringLiteral("recent files")), QStringLiteral("settings.html"));
    viewer->showTopic(QStringLiteral("files.html"));
    EXPECT_TRUE(viewer->browser()->toPlainText().contains(QStringLiteral("exactly 8192 bytes")));
    viewer->showContents();
    EXPECT_TRUE(viewer->browser()->toPlainText().contains(QStringLiteral("Contents")));

    // Back returns to the page before, Forward to the one after; Escape and Ctrl+W close.
    auto* back = viewer->findChild<QToolButton*>(QStringLiteral("helpBack"));
    auto* forward = viewer->findChild<QToolButton*>(QStringLiteral("helpForward"));
    ASSERT_TRUE(back && forward);
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_TRUE(viewer->browser()->toPlainText().contains(QStringLiteral("exactly 8192 bytes")));
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_TRUE(viewer->browser()->toPlainText().contains(QStringLiteral("Contents")));
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        viewer->show();
        viewer->activateWindow();
        QApplication::setActiveWindow(viewer);
        QTest::keySequence(viewer, key);
        EXPECT_FALSE(viewer->isVisible()) << key.toString().toStdString();
    }
    // The contents pane shows its longest title whole.
    auto* contents = viewer->findChild<QListWidget*>(QStringLiteral("helpContents"));
    EXPECT_GE(contents->width() + 1, contents->sizeHintForColumn(0));
    viewer->hide();
}

namespace {

// A click as the window system delivers it, so a window blocked by a modal dialog ignores it.
void systemClick(QWidget* target, QPoint at) {
    QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(target->window(), at));
}

// True when a click on the help window's Search tab reaches it.
bool helpTakesClicks() {
    HelpViewer* viewer = HelpViewer::instance();
    viewer->showTopic(QStringLiteral("files.html"));
    auto* tabs = viewer->findChild<QTabWidget*>();
    tabs->setCurrentIndex(0);
    systemClick(tabs->tabBar(), tabs->tabBar()->tabRect(1).center());
    return tabs->currentIndex() == 1;
}

// A window with one button that counts the clicks that reach it.
struct Counted {
    QDialog window;
    QPushButton* button = new QPushButton(QStringLiteral("Count"), &window);
    int clicks = 0;
    explicit Counted(QWidget* parent = nullptr) : window(parent) {
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    }
    bool takesClicks() {
        const int before = clicks;
        systemClick(button, button->rect().center());
        return clicks > before;
    }
};

}  // namespace

TEST(Help, StaysUsableWhileAnEditorAndTheKeypadOrComposerItOpensAreModal) {
    Counted owner;  // the main window's place
    owner.window.show();
    ASSERT_TRUE(owner.takesClicks());  // the click itself reaches an unblocked window

    QtPrompts prompts;
    bindProgramDialogs(prompts);
    PlainDialog editor(&owner.window);
    auto* editorButton = new QPushButton(QStringLiteral("Count"), &editor);
    int editorClicks = 0;
    QObject::connect(editorButton, &QPushButton::clicked, [&] { ++editorClicks; });

    int checked = 0;
    // While the keypad or the composer the editor opened is up: help takes clicks, the editor
    // and the main window wait.
    const auto checkOpened = [&](const char* what) {
        QTimer::singleShot(0, [&, what] {
            auto* opened = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(opened) << what;
            EXPECT_EQ(opened->parentWidget(), &editor) << what;
            EXPECT_TRUE(helpTakesClicks()) << what;
            systemClick(editorButton, editorButton->rect().center());
            EXPECT_EQ(editorClicks, 0) << what << " blocks its editor";
            EXPECT_FALSE(owner.takesClicks()) << what;
            ++checked;
            opened->reject();
        });
    };
    QTimer::singleShot(0, &editor, [&] {
        EXPECT_TRUE(helpTakesClicks()) << "with an editor open";
        EXPECT_FALSE(owner.takesClicks()) << "the main window waits for its editor";
        QApplication::setActiveWindow(&editor);
        checkOpened("the keypad");
        prompts.enterKeys(KeypadRequest{});
        QApplication::setActiveWindow(&editor);
        checkOpened("the composer");
        prompts.composeWords(ComposeRequest{});
        editor.reject();
    });
    editor.exec();
    EXPECT_EQ(checked, 2);
    HelpViewer::instance()->hide();
}
