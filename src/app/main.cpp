// orvedit: the ORVANE repeater controller configuration editor.
#include <QApplication>
#include <QLockFile>
#include <QSettings>

#include "app/MDIForm1.h"
#include "app/editors.h"
#include "app/frmAbout.h"
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

    frmAbout splash(prompts, frmAbout::Mode::Splash);
    splash.show();
    processEventsFor(4000);

    std::unique_ptr<QSettings> store(openSettingsStore());
    MDIForm1 window(prompts, *store);
    window.setQuitOnClose(true);
    splash.close();
    window.show();
    return app.exec();
}
