// A program folder for one test. Its plugins/ holds fresh copies of the plug-ins the test names,
// so every test loads and unloads libraries of its own; the echo plug-in logs to
// plugins/echo.log.
#pragma once

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "TempFolder.h"
#include "TextUtils.h"

namespace kiova::testing {

class PluginFolder {
public:
    // `name` is the program folder's own name (ASCII) inside a temporary folder.
    explicit PluginFolder(std::initializer_list<std::string_view> libraries,
                          std::string_view name = "kiova")
        : folder_(temp_.Path() / name) {
        ::unsetenv("KIOVA_ECHO_LOG");
        std::filesystem::create_directories(folder_ / "plugins");
        for (std::string_view library : libraries) Install(library);
    }

    // The program folder as the host takes it, with a trailing delimiter.
    std::string Path() const { return folder_.string() + "/"; }
    std::filesystem::path Library(std::string_view library) const {
        return folder_ / "plugins" / (std::string(library) + ".so");
    }

    void Install(std::string_view library) const {
        std::stringstream dirs(KIOVA_TEST_PLUGIN_DIRS);
        for (std::string dir; std::getline(dirs, dir, ':');) {
            std::filesystem::path built = std::filesystem::path(dir) / Library(library).filename();
            if (std::filesystem::exists(built)) {
                std::filesystem::copy_file(built, Library(library));
                return;
            }
        }
        throw std::runtime_error("no built plug-in " + std::string(library));
    }

    void Write(std::string_view file, std::string_view bytes) const {
        temp_.Write((folder_.filename() / file).string(), bytes);
    }

    std::vector<std::string> EchoLog() const {
        return SplitLines(temp_.Read((folder_.filename() / "plugins/echo.log").string()));
    }

    bool IsLoaded(std::string_view library) const {
        void* handle = ::dlopen(Library(library).c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (handle != nullptr) ::dlclose(handle);
        return handle != nullptr;
    }

private:
    TempFolder temp_;
    std::filesystem::path folder_;
};

}  // namespace kiova::testing
