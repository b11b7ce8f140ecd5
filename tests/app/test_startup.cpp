// Start-up pieces: the one-copy lock and the About window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/aboutdialog.h"
#include "app/startup.h"
#include "scriptedprompts.h"
#include "ui/helpviewer.h"

TEST(InstanceLock, SecondCopyIsRefusedUntilTheFirstEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvedit.lock"));
    InstanceLock first = acquireInstanceLock(path);
    ASSERT_NE(first.lock, nullptr);
    const InstanceLock second = acquireInstanceLock(path);
    EXPECT_EQ(second.lock, nullptr);
    EXPECT_TRUE(second.heldByAnotherCopy);
    first.lock.reset();
    EXPECT_NE(acquireInstanceLock(path).lock, nullptr);
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
    EXPECT_NE(acquireInstanceLock(path).lock, nullptr);
}

TEST(InstanceLock, ALockThatCannotBeMadeIsNoReasonToEnd) {
    QTemporaryDir dir;
    // The data folder is a regular file, so no lock file can be created inside it.
    const QString notAFolder = dir.filePath(QStringLiteral("data"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const InstanceLock lock = acquireInstanceLock(notAFolder + QStringLiteral("/orvedit.lock"));
    EXPECT_EQ(lock.lock, nullptr);
    EXPECT_FALSE(lock.heldByAnotherCopy);
}

TEST(About, ShowsTitleVersionAndFocusOnOk) {
    ScriptedPrompts prompts;
    AboutDialog about(prompts, AboutDialog::Mode::About);
    about.show();
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
              QStringLiteral("ORVANE 32 Bit Editor Program"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 2.10    April 1, 2002"));
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
    viewer->hide();
}
