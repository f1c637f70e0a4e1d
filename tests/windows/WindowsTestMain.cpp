// The main of the window tests: one QApplication for all of them (widgets need it before
// anything else), and the watchdog that ends a test left waiting in a modal window.
#include <gtest/gtest.h>

#include <QApplication>

#include "ModalHelpers.h"
#include "TestEnvironment.h"

int main(int argc, char** argv) {
    kiova::testing::SetTestEnvironment();
    testing::InitGoogleTest(&argc, argv);
    kiova::testing::InstallModalWatchdog();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
