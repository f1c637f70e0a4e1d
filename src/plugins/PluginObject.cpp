// Calls into one plug-in object: ANSI texts go in, ANSI texts come out, converted through UTF-8
// at the interface. Every string the plug-in hands back is freed by the plug-in's own
// free_string exactly once, and nothing it hands back is used after a failing call.
#include "PluginObject.h"

#include <utility>
#include <vector>

#include "CodePage.h"
#include "Files.h"
#include "InstalledFolders.h"
#include "PluginError.h"

namespace kiova {
namespace {

// A string handed back by the plug-in, freed by the plug-in's own allocator.
class TPluginString {
public:
    explicit TPluginString(const KiovaPluginApi& api) : api_(api) {}
    ~TPluginString() {
        if (text_ != nullptr) api_.free_string(text_);
    }
    TPluginString(const TPluginString&) = delete;
    TPluginString& operator=(const TPluginString&) = delete;

    char** Out() { return &text_; }
    bool IsSet() const { return text_ != nullptr; }
    std::string Text() const { return text_ != nullptr ? std::string(text_) : std::string(); }

private:
    const KiovaPluginApi& api_;
    char* text_ = nullptr;
};

// Throws unless `method` is present; the method's name goes into the message.
template <typename Method>
Method Require(Method method, const char* name) {
    if (method == nullptr) throw EPluginError(std::string("method missing: ") + name);
    return method;
}

void Check(int status, const char* name) {
    if (status != KIOVA_PLUGIN_OK)
        throw EPluginError(std::string(name) + " failed with status " + std::to_string(status));
}

// The library serving `class_name`: the part before the first "." (never inside a UTF-8
// sequence), as long as it is a plain file name. The first plug-in
// folder holding it wins; without one, the program folder's own is named.
std::filesystem::path LibraryFile(std::string_view program_folder, std::string_view class_name) {
    std::string_view library = class_name.substr(0, class_name.find('.'));
    if (library.empty() || library.find_first_of("/\\") != std::string_view::npos)
        throw EPluginError("class not registered: \"" + std::string(class_name) + "\"");
    const std::string file_name = std::string(library) + ".so";
    const std::vector<std::string> folders = PluginFolders(program_folder);
    for (const std::string& folder : folders)
        if (FileExists(folder + file_name)) return NativePath(folder + file_name);
    return NativePath(folders.front() + file_name);
}

}  // namespace

TPluginObject::TPluginObject(std::shared_ptr<const TPluginLibrary> library, KiovaPlugin* object)
    : library_(std::move(library)), object_(object, TRelease{library_->Api().release}) {}

TPluginObject TPluginObject::Create(std::string_view program_folder, std::string_view class_name) {
    std::shared_ptr<const TPluginLibrary> library =
        TPluginLibrary::Open(LibraryFile(program_folder, class_name));
    KiovaPlugin* object = nullptr;
    const std::string name(class_name);
    int status = library->Api().create(name.c_str(), &object);
    if (status == KIOVA_PLUGIN_UNKNOWN_CLASS)
        throw EPluginError("class not registered: \"" + name + "\"");
    Check(status, "create");
    if (object == nullptr) throw EPluginError("create gave no object");
    return TPluginObject(std::move(library), object);
}

std::string TPluginObject::GetPluginInfo(std::int32_t index) const {
    auto method = Require(Api().get_plugin_info, "GetPluginInfo");
    TPluginString info(Api());
    Check(method(object_.get(), index, info.Out()), "GetPluginInfo");
    return info.Text();
}

void TPluginObject::OnKiovaEvent(std::string& event_name, std::string& data) const {
    auto method = Require(Api().on_kiova_event, "OnKiovaEvent");
    TPluginString new_event_name(Api());
    TPluginString new_data(Api());
    Check(method(object_.get(), event_name.c_str(), data.c_str(), new_event_name.Out(),
                 new_data.Out()),
          "OnKiovaEvent");
    if (new_event_name.IsSet()) event_name = new_event_name.Text();
    if (new_data.IsSet()) data = new_data.Text();
}

std::string TPluginObject::ExpandPluginTag(std::string_view tag) const {
    auto method = Require(Api().expand_plugin_tag, "ExpandPluginTag");
    TPluginString expansion(Api());
    Check(method(object_.get(), std::string(tag).c_str(), expansion.Out()), "ExpandPluginTag");
    return expansion.Text();
}

void TPluginObject::ConfigurationDialog() const {
    auto method = Require(Api().configuration_dialog, "ConfigurationDialog");
    Check(method(object_.get()), "ConfigurationDialog");
}

}  // namespace kiova
