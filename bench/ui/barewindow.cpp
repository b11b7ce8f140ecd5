// The yardstick for the editor's start and dialogs: a bare Qt Widgets program that does what the
// editor does around its own work and nothing else. It shows a first window while events run for
// the given milliseconds (the editor's splash), then closes it and shows one window with one label
// (the editor's main window); F2 opens a modal dialog with one label (an editor dialog), Escape
// closes it. Built and run by scripts/bench-ui.sh.
//   barewindow [SPLASH-MILLISECONDS]
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QShortcut>
#include <QThread>
#include <QVBoxLayout>

namespace {

QWidget* labelWindow(const QString& title, const QString& text) {
    auto* window = new QWidget;
    window->setWindowTitle(title);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(new QLabel(text));
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int splashMs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 4000;

    QWidget* splash = labelWindow(QStringLiteral("Bare Splash"), QStringLiteral("Starting"));
    splash->show();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < splashMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }

    QWidget* window = labelWindow(QStringLiteral("Bare Window"), QStringLiteral("One label"));
    auto* open = new QShortcut(QKeySequence(Qt::Key_F2), window);
    QObject::connect(open, &QShortcut::activated, window, [window] {
        QDialog dialog(window);
        dialog.setWindowTitle(QStringLiteral("Bare Dialog"));
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(QStringLiteral("One label")));
        dialog.exec();
    });
    splash->close();
    window->show();
    const int status = app.exec();
    delete window;
    delete splash;
    return status;
}
