// The window tests run on the offscreen platform, so they need no display.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "windows/aplicacion.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The game kept between runs goes to a folder of the tests' own, never
    // to the player's (the tests of the last game use one each).
    QTemporaryDir estado;
    if (estado.isValid()) qputenv("XDG_STATE_HOME", estado.path().toLocal8Bit());
    // A death test's child starts the program again from here, with its own
    // application object.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    novenario::vista::PrepararAplicacion();
    return RUN_ALL_TESTS();
}
