// orvedit: the ORVANE repeater controller configuration editor.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/aboutdialog.h"
#include "app/handoff.h"
#include "app/mainwindow.h"
#include "app/programdialogs.h"
#include "app/startup.h"
#include "ui/qtprompts.h"
#include "ui/windows.h"

namespace {

QStringList argumentsAfterName(int argc, char** argv) {
    QStringList out;
    for (int i = 1; i < argc; ++i) out << QString::fromLocal8Bit(argv[i]);
    return out;
}

// How long the splash shows, and the time it is given to be drawn before the main window is built.
constexpr int SplashMs = 4000;
constexpr int SplashPaintMs = 100;

}  // namespace

int main(int argc, char** argv) {
    // Help and the version need no display, so they are answered before the application starts.
    switch (parseEditorArguments(argumentsAfterName(argc, argv), QDir::currentPath()).kind) {
        case EditorArguments::Kind::Help:
            std::fputs(qPrintable(editorUsage()), stdout);
            return 0;
        case EditorArguments::Kind::Version:
            std::printf("orvedit %s\n%s\n%s\n", ORV_VERSION, ORV_COPYRIGHT, ORV_LICENCE);
            return 0;
        default:
            break;  // the application takes its own options (-platform, -style) out first
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvedit"));
    QApplication::setOrganizationName(QStringLiteral("O_RV"));
    QApplication::setWindowIcon(AboutDialog::editorIcon());
    trimHeapWhenWindowsClose();
    // The desktop entry the windows belong to, so a dock shows the installed icon beside them.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvedit"));
    const EditorArguments arguments =
        parseEditorArguments(QCoreApplication::arguments().mid(1), QDir::currentPath());
    if (arguments.kind == EditorArguments::Kind::Wrong) {
        std::fprintf(stderr, "orvedit: %s\n\n%s", qPrintable(arguments.message),
                     qPrintable(editorUsage()));
        return 2;
    }

    // A name the system gives as bytes that are not UTF-8 cannot be opened under any name the
    // editor can write; it is refused with the command that renames it.
    std::optional<QString> nameProblem;
    for (int i = 1; i < argc && !nameProblem; ++i) nameProblem = nameEncodingProblem(argv[i]);
    if (nameProblem) std::fprintf(stderr, "orvedit: %s", qPrintable(*nameProblem));

    // A second copy ends at once, without a message; a file named to it goes to the first copy.
    // A lock that is in the way but held by no copy running here (another computer, a folder at
    // its place) is reported, so the user can clear it. A data folder that cannot be used is no
    // reason not to start: the editor runs without a lock, and says so.
    const QString dataFolder = dataFolderPath();
    const std::optional<QString> folderProblem = prepareDataFolder(dataFolder);
    InstanceLock lock = folderProblem ? InstanceLock() : acquireInstanceLock(instanceLockPath());
    if (lock.outcome() == InstanceLock::Outcome::AnotherCopyRunning) {
        if (nameProblem) return 1;
        if (arguments.file.isEmpty()) return 0;
        // The running copy names its socket in the lock, so a start under another environment
        // (su, sudo, another login) finds it.
        const QString socket =
            lock.handoffPath().isEmpty() ? handoffSocketPath(dataFolder) : lock.handoffPath();
        QString reason;
        if (handFileOver(socket, arguments.file, &reason)) return 0;
        std::fprintf(stderr, "orvedit: the running editor could not be given %s: %s\n",
                     qPrintable(visibleFileName(arguments.file)), qPrintable(reason));
        return 1;
    }

    QtPrompts prompts;
    if (lock.outcome() == InstanceLock::Outcome::Blocked) {
        qWarning("%s", qUtf8Printable(lock.message()));
        prompts.message(Icon::Warning, InstanceLock::messageTitle(), lock.message());
        return 1;
    }
    bindProgramDialogs(prompts);

    auto splash = std::make_unique<AboutDialog>(prompts, AboutDialog::Mode::Splash);
    splash->show();
    QElapsedTimer splashShown;
    splashShown.start();
    // Files handed over from now on wait for the main window.
    FileReceiver receiver;
    QString notice, noticeDetail;
    const auto tr = [](const char* text) { return QCoreApplication::translate("main", text); };
    if (lock.outcome() == InstanceLock::Outcome::Held) {
        const QString socket = handoffSocketPath(dataFolder);
        QString reason;
        if (receiver.listen(socket, &reason)) {
            lock.announceHandoff(socket);
        } else {
            notice = tr("Files are not handed to this editor");
            noticeDetail = tr("A file opened while the editor runs starts no second copy and is "
                              "not handed to this one: %1 cannot be made (%2).")
                               .arg(visibleFileName(socket), reason);
        }
    } else {
        const QString reason = folderProblem ? *folderProblem : lock.message();
        qWarning("No lock, no recovery copy and no hand-over: %s", qUtf8Printable(reason));
        notice = tr("No lock, no recovery copy, no hand-over");
        noticeDetail = tr("The editor runs without its lock, without a recovery copy of unsaved "
                          "changes and without taking files handed over: %1. Another copy of the "
                          "editor could open the same file.")
                           .arg(reason);
    }
    // Once the splash is on the screen, the main window is built behind it, so it appears as soon
    // as the splash's time is over.
    processEventsFor(SplashPaintMs);

    std::unique_ptr<QSettings> store(openSettingsStore());
    MainWindow window(prompts, *store);
    processEventsFor(std::max<int>(0, SplashMs - int(splashShown.elapsed())));
    window.setQuitOnClose(true);
    // A logout, a closed terminal or Ctrl+C: the unsaved document waits for the next run, and the
    // hand-over socket goes.
    endOnSignals(&window, lock, [&window, &receiver] {
        window.endForSignal();
        receiver.close();
    });
    // The splash goes with its window and drawing buffer; it is not shown again.
    splash.reset();
    window.show();
    window.setStartNotice(notice, noticeDetail);
    // Without the lock another copy may be keeping its own copy at the same place.
    if (lock.outcome() == InstanceLock::Outcome::Held)
        window.session().takeUpRecovery(recoveryPath());
    if (nameProblem)
        prompts.message(Icon::Warning, tr("Open File"), nameProblem->trimmed());
    else if (!arguments.file.isEmpty())
        window.session().openNamed(arguments.file);
    receiver.setHandler([&window](const QString& path) { window.openHandedFile(path); });
    return app.exec();
}
