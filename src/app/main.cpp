// orvedit: the ORVANE repeater controller configuration editor.
#include <QApplication>
#include <QLockFile>
#include <QSettings>

#include "app/aboutdialog.h"
#include "app/mainwindow.h"
#include "app/programdialogs.h"
#include "app/startup.h"
#include "ui/qtprompts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvedit"));
    QApplication::setOrganizationName(QStringLiteral("O_RV"));

    // A second copy ends at once, without a message.
    const InstanceLock lock = acquireInstanceLock(instanceLockPath());
    if (lock.heldByAnotherCopy) return 0;

    QtPrompts prompts;
    bindProgramDialogs(prompts);

    AboutDialog splash(prompts, AboutDialog::Mode::Splash);
    splash.show();
    processEventsFor(4000);

    std::unique_ptr<QSettings> store(openSettingsStore());
    MainWindow window(prompts, *store);
    window.setQuitOnClose(true);
    splash.close();
    window.show();
    return app.exec();
}
