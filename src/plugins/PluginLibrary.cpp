// Plug-in libraries: a file path goes in, a loaded and checked entry table comes out.
// A library is opened once however many objects use it, and closed when the last one is gone;
// a table handed out always has the right version and its required entries.
#include "PluginLibrary.h"

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <string>

#include "PluginError.h"

namespace kiova {
namespace {

[[noreturn]] void ThrowNotRegistered(const std::filesystem::path& file, const std::string& why) {
    throw EPluginError("class not registered: " + file.string() + ": " + why);
}

// The checked table of a freshly opened library; throws after closing it when it is unusable.
const KiovaPluginApi* EntryTable(void* handle, const std::filesystem::path& file) {
    auto fail = [&](const std::string& why) {
        ::dlclose(handle);
        ThrowNotRegistered(file, why);
    };
    using EntryPoint = const KiovaPluginApi* (*)();
    auto entry = reinterpret_cast<EntryPoint>(::dlsym(handle, KIOVA_PLUGIN_ENTRY_POINT));
    if (entry == nullptr) fail("no " KIOVA_PLUGIN_ENTRY_POINT);
    const KiovaPluginApi* api = entry();
    if (api == nullptr) fail("no entry table");
    if (api->abi_version != KIOVA_PLUGIN_ABI_VERSION)
        fail("interface version " + std::to_string(api->abi_version));
    if (api->create == nullptr || api->release == nullptr || api->free_string == nullptr)
        fail("create, release or free_string missing");
    return api;
}

}  // namespace

std::shared_ptr<const TPluginLibrary> TPluginLibrary::Open(const std::filesystem::path& file) {
    static std::mutex mutex;
    static std::map<std::string, std::weak_ptr<const TPluginLibrary>> open_libraries;
    std::lock_guard lock(mutex);
    auto open = open_libraries.find(file.string());
    if (open != open_libraries.end())
        if (std::shared_ptr<const TPluginLibrary> library = open->second.lock()) return library;

    // Opening a FIFO or a device would block or read forever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) ThrowNotRegistered(file, "no library file");
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        ThrowNotRegistered(file, why != nullptr ? why : "cannot load");
    }
    std::shared_ptr<const TPluginLibrary> library(
        new TPluginLibrary(handle, EntryTable(handle, file)));
    open_libraries[file.string()] = library;
    return library;
}

TPluginLibrary::~TPluginLibrary() {
    ::dlclose(handle_);
}

}  // namespace kiova
