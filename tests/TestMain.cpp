// The main of every test executable but the window tests'.
#include <gtest/gtest.h>

#include "TestEnvironment.h"

int main(int argc, char** argv) {
    kiova::testing::SetTestEnvironment();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
