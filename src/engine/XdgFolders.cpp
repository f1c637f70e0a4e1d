#include "XdgFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace kiova {

fs::path XdgBaseFolder(const char* variable, const char* under_home) {
    const char* configured = std::getenv(variable);
    if (configured != nullptr && fs::path(configured).is_absolute()) return configured;
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* user = ::getpwuid(::getuid());
        if (user == nullptr || user->pw_dir == nullptr || *user->pw_dir == '\0') return {};
        home = user->pw_dir;
    }
    return fs::path(home) / under_home;
}

}  // namespace kiova
