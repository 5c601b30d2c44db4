// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for the whole run. ctest sets QT_QPA_PLATFORM=offscreen; the
// build's test discovery runs without it, so offscreen is the default here too.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
