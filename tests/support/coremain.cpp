// main() of the model test programs: a QCoreApplication only, with the settings store pointed at a
// private temporary folder so no test touches the user's own settings.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "isolation.h"

int main(int argc, char** argv) {
    const TestIsolation isolation;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
