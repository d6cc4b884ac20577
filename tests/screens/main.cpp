// SPDX-License-Identifier: GPL-3.0-or-later
// The screen tests' entry: one application object under the offscreen
// platform, so the tests never need a display, with the game's own font, and
// the game's settings in a folder of the run's own, never the developer's.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "screens/appearance.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vellmora 2");
    vm::useGameFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
