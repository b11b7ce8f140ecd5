// A copy of the editor for the recovery tests to end: it opens DIR/club.orv, keeps its recovery
// copy at DIR/orvedit.recovery, and then
//   edit SEED  changes random fields until it is killed, logging to DIR/log each state as
//              "state HASH" and, whenever the copy on disk changed, "kept HASH";
//   signal     changes one byte, waits until that is kept, changes another and a setting, prints
//              "ready" and waits for the end signals as the editor does.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QSettings>
#include <cstdio>
#include <random>

#include "app/mainwindow.h"
#include "app/startup.h"
#include "fields/catalogue.h"
#include "ui/qtprompts.h"

namespace {

QByteArray hashOf(const Image& image) {
    return QCryptographicHash::hash(
               QByteArrayView(reinterpret_cast<const char*>(image.data()), ImageSize),
               QCryptographicHash::Sha1)
        .toHex();
}

// One line, written at once: what reached the system survives a kill.
void logLine(int fd, const QByteArray& line) {
    const QByteArray whole = line + '\n';
    if (::write(fd, whole.constData(), size_t(whole.size())) != whole.size()) std::abort();
}

void runFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QByteArray mode = argv[2];
    QSettings store(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QtPrompts prompts;
    InstanceLock lock = acquireInstanceLock(dir.filePath(QStringLiteral("orvedit.lock")));
    MainWindow window(prompts, store);
    endOnSignals(&window, lock, [&window] { window.endForSignal(); });
    if (!window.session().open(dir.filePath(QStringLiteral("club.orv")))) return 3;
    window.session().takeUpRecovery(dir.filePath(QStringLiteral("orvedit.recovery")));
    Image& image = window.document().image;

    if (mode == "signal") {
        image[300] ^= 0x5A;
        while (!window.session().recoveryKeeper()->kept()) runFor(20);
        image[301] ^= 0xA5;
        window.settings().fontName = QStringLiteral("Courier New");
        std::puts("ready");
        std::fflush(stdout);
        return app.exec();
    }

    if (mode != "edit" || argc < 4) return 2;
    const int log = ::open(qPrintable(dir.filePath(QStringLiteral("log"))),
                           O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (log < 0) return 4;
    std::mt19937 random(unsigned(std::atoi(argv[3])));
    Image source;
    for (std::uint8_t& b : source) b = std::uint8_t(random() % 13);
    const Fields::FieldList& fields = Fields::catalogue(window.settings().fourMemorySaves);
    QByteArray keptShown;
    for (;;) {
        const Fields::Field& field = fields[random() % fields.size()];
        if (!field.store || field.edit == Fields::Edit::Composer) continue;
        field.store(image, field.answerFor(field.text(source)));
        logLine(log, "state " + hashOf(image));
        runFor(int(random() % 120));
        const auto& kept = window.session().recoveryKeeper()->kept();
        const QByteArray keptNow = kept ? hashOf(kept->image) : QByteArray();
        if (keptNow != keptShown) logLine(log, "kept " + keptNow);
        keptShown = keptNow;
    }
}
