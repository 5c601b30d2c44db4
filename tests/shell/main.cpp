// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for all shell tests, named as the program names itself. The
// tests never need a real display, not even when listing themselves.
#include <gtest/gtest.h>

#include <QApplication>

#include "shell/metadata.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velnora::SetApplicationMetadata();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
