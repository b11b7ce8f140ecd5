// orvedit: the ORVANE repeater controller configuration editor.
#include <QApplication>
#include <QSettings>
#include <memory>

#include "app/aboutdialog.h"
#include "app/mainwindow.h"
#include "app/programdialogs.h"
#include "app/startup.h"
#include "ui/qtprompts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvedit"));
    QApplication::setOrganizationName(QStringLiteral("O_RV"));

    // A second copy ends at once, without a message. A lock that is in the way but held by no copy
    // running here (another computer, a folder at its place) is reported, so the user can clear it.
    InstanceLock lock = acquireInstanceLock(instanceLockPath());
    if (lock.outcome() == InstanceLock::Outcome::AnotherCopyRunning) return 0;

    QtPrompts prompts;
    if (lock.outcome() == InstanceLock::Outcome::Blocked) {
        qWarning("%s", qUtf8Printable(lock.message()));
        prompts.message(Icon::Warning, InstanceLock::messageTitle(), lock.message());
        return 1;
    }
    bindProgramDialogs(prompts);

    AboutDialog splash(prompts, AboutDialog::Mode::Splash);
    splash.show();
    processEventsFor(4000);

    std::unique_ptr<QSettings> store(openSettingsStore());
    MainWindow window(prompts, *store);
    window.setQuitOnClose(true);
    // A logout, a closed terminal or Ctrl+C: the unsaved document waits for the next run.
    endOnSignals(&window, lock, [&window] { window.endForSignal(); });
    splash.close();
    window.show();
    window.takeUpRecovery(recoveryPath());
    return app.exec();
}
