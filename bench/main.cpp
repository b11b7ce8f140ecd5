// main() of orvbench: a QApplication (the editors, the overview and the PDF report need one) on the
// offscreen platform unless another is named, the settings store in a private temporary folder so
// no run reads or writes the user's own settings, then Google Benchmark.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "registration.h"

namespace {

// The offscreen platform warns for every window it shows that it cannot pass on size hints or
// raise it; that says nothing about the editor and would fill the benchmark output.
QtMessageHandler g_defaultHandler = nullptr;
void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("This plugin does not support propagateSizeHints()") ||
        text == QLatin1String("This plugin does not support raise()"))
        return;
    g_defaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, home.filePath(QStringLiteral("settings")));
    g_defaultHandler = qInstallMessageHandler(dropPlatformNoise);

    // Qt takes its own options first; what is left is Google Benchmark's.
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    registerFieldTableBenchmarks();
    registerDialogBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
