// The fixed environment every test runs in, whether from ctest, a terminal or a debugger: no
// display, no sound card, the default code page, no program folder from outside.
#pragma once

#include <cstdlib>

namespace kiova::testing {

inline void SetTestEnvironment() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("KIOVA_CODEPAGE");
    unsetenv("KIOVA_HOME");
}

}  // namespace kiova::testing
