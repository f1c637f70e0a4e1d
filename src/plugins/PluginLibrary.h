// One plug-in library, loaded while any object of it lives.
#pragma once

#include <filesystem>
#include <memory>

#include "kiova/plugin.h"

namespace kiova {

class TPluginLibrary {
public:
    // The library at `file`, shared with every other holder while one lives. Throws EPluginError
    // ("class not registered") when it cannot be loaded, lacks the entry point or the required
    // entries, or was built for another interface version.
    static std::shared_ptr<const TPluginLibrary> Open(const std::filesystem::path& file);

    ~TPluginLibrary();
    TPluginLibrary(const TPluginLibrary&) = delete;
    TPluginLibrary& operator=(const TPluginLibrary&) = delete;

    const KiovaPluginApi& Api() const { return *api_; }

private:
    TPluginLibrary(void* handle, const KiovaPluginApi* api) : handle_(handle), api_(api) {}

    void* handle_;
    const KiovaPluginApi* api_;
};

}  // namespace kiova
