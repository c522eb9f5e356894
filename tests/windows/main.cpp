// The window tests run on the offscreen platform, so they need no display.
#include <QApplication>
#include <gtest/gtest.h>

#include "windows/aplicacion.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A death test's child starts the program again from here, with its own
    // application object.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    novenario::vista::PrepararAplicacion();
    return RUN_ALL_TESTS();
}
