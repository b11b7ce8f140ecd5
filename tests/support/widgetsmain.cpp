// main() of the dialog test programs: a QApplication on the offscreen platform, with the settings
// store pointed at a private temporary folder so no test touches the user's own settings.
#include <gtest/gtest.h>

#include <QApplication>

#include "isolation.h"

namespace {

// The offscreen platform warns once for every window it shows that it cannot pass on size hints;
// that says nothing about the editor and would bury a failing test's own output.
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
    const TestIsolation isolation;
    g_defaultHandler = qInstallMessageHandler(dropPlatformNoise);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
