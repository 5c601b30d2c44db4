// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for all tests of a suite, on the offscreen platform unless
// the environment names another, with the program's accessible roles. Listing the tests needs no
// display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "ui/accessibility.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velnora::InstallAccessibleRoles();
    // The windows write dates and times in the default locale's forms: the C
    // locale's are the program's English ones, whatever the machine is set to.
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
