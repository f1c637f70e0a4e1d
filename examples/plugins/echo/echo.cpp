// echo - an extended Kiova plug-in ("E") that writes down every call it receives and marks
// each answer, so that what Kiova sends its plug-ins can be watched.
//
// Classes: the line "echo" makes an echo named "Echo"; "echo.X" makes one named X, so several
// echoes can run side by side and show the order in which they are called.
// Log: the file named by the environment variable KIOVA_ECHO_LOG, else echo.log beside this
// library. One line per call: the echo's name, a tab, the event name (or "create", "release",
// "ConfigurationDialog"), a tab, the data as received, line breaks written as "{BR}".
// Rewriting: on "KE_EndThink" the answer gets " [X]" appended.
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>
#include <string>
#include <string_view>

#include "kiova/plugin.h"

struct KiovaPlugin {
    std::string name;
    std::string log_file;
};

namespace {

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::string LogFile() {
    if (const char* file = std::getenv("KIOVA_ECHO_LOG"); file != nullptr && *file != '\0')
        return file;
    Dl_info library{};
    if (::dladdr(reinterpret_cast<void*>(&kiova_plugin_api), &library) == 0 ||
        library.dli_fname == nullptr)
        return "echo.log";
    std::string path = library.dli_fname;
    return path.substr(0, path.find_last_of('/') + 1) + "echo.log";
}

std::string OneLine(std::string_view text) {
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\r' || text[i] == '\n')
            line += "{BR}";
        else
            line += text[i];
    }
    return line;
}

void Write(const KiovaPlugin& echo, std::string_view what, std::string_view data = {}) {
    std::ofstream(echo.log_file, std::ios::app | std::ios::binary)
        << echo.name << '\t' << what << '\t' << OneLine(data) << '\n';
}

int HandBack(std::string_view text, char** out) {
    *out = static_cast<char*>(std::malloc(text.size() + 1));
    if (*out == nullptr) return KIOVA_PLUGIN_NO_MEMORY;
    std::memcpy(*out, text.data(), text.size());
    (*out)[text.size()] = '\0';
    return KIOVA_PLUGIN_OK;
}

// No exception may leave the plug-in.
template <typename Call>
int Guarded(Call call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return KIOVA_PLUGIN_NO_MEMORY;
    } catch (...) {
        return KIOVA_PLUGIN_FAILED;
    }
}

int Create(const char* class_name, KiovaPlugin** object) {
    return Guarded([&]() -> int {
        std::string_view name = class_name;
        std::string_view library = name.substr(0, name.find('.'));
        if (!SameName(library, "echo")) return KIOVA_PLUGIN_UNKNOWN_CLASS;
        std::string_view suffix = library.size() < name.size() ? name.substr(library.size() + 1)
                                                               : std::string_view("Echo");
        if (suffix.empty()) return KIOVA_PLUGIN_UNKNOWN_CLASS;
        *object = new KiovaPlugin{std::string(suffix), LogFile()};
        Write(**object, "create");
        return KIOVA_PLUGIN_OK;
    });
}

void Release(KiovaPlugin* object) {
    Guarded([&]() -> int {
        Write(*object, "release");
        return KIOVA_PLUGIN_OK;
    });
    delete object;
}

void FreeString(char* text) {
    std::free(text);
}

int GetPluginInfo(KiovaPlugin* object, int32_t index, char** info) {
    return Guarded([&]() -> int {
        switch (index) {
            case 0:
                return HandBack(object->name, info);
            case 1:
                return HandBack("E", info);
            case 2:
                return HandBack("writes down every event", info);
            case 3:
                return HandBack("Writes every event and its data to " + object->log_file +
                                    " and marks each answer with [" + object->name + "].",
                                info);
            default:
                return KIOVA_PLUGIN_OK;
        }
    });
}

int OnKiovaEvent(KiovaPlugin* object, const char* event_name, const char* data,
                 char** /*new_event_name*/, char** new_data) {
    return Guarded([&]() -> int {
        Write(*object, event_name, data);
        if (std::strcmp(event_name, "KE_EndThink") != 0) return KIOVA_PLUGIN_OK;
        return HandBack(std::string(data) + " [" + object->name + "]", new_data);
    });
}

int ConfigurationDialog(KiovaPlugin* object) {
    return Guarded([&]() -> int {
        Write(*object, "ConfigurationDialog");
        return KIOVA_PLUGIN_OK;
    });
}

}  // namespace

// An extended plug-in expands no tags: that entry stays empty.
extern "C" KIOVA_PLUGIN_EXPORT const KiovaPluginApi* kiova_plugin_api(void) {
    static const KiovaPluginApi api = {
        KIOVA_PLUGIN_ABI_VERSION, Create, Release, FreeString, GetPluginInfo, OnKiovaEvent, nullptr,
        ConfigurationDialog};
    return &api;
}
