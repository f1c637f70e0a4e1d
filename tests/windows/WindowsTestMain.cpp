// The main of the window tests: one QApplication for all of them (widgets need it before
// anything else).
#include <gtest/gtest.h>

#include <QApplication>

#include "TestEnvironment.h"

int main(int argc, char** argv) {
    kiova::testing::SetTestEnvironment();
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
