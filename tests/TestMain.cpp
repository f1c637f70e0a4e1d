// The main of every test executable: a fixed environment first, so tests behave the same from
// ctest, a terminal or a debugger - no display, no sound card, the default code page.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("KIOVA_CODEPAGE");
    unsetenv("KIOVA_HOME");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
