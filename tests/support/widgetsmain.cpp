// main() of the dialog test programs: a QApplication on the offscreen platform, with the settings
// store pointed at a private temporary folder so no test touches the user's own settings.
#include <gtest/gtest.h>

#include <QApplication>

#include "isolation.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const TestIsolation isolation;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
