// Probe and load: "Plugins.txt" goes in, the plug-ins of one kind are added to a list in the
// file's order. Lines are class names as they stand; a line that does not make a working
// object is skipped, and only failures of plug-in calls are absorbed.
#include "PluginLoading.h"

#include <string>

#include "CodePage.h"
#include "Files.h"
#include "PluginError.h"
#include "PluginObject.h"
#include "TextFileFormat.h"
#include "TextUtils.h"

namespace kiova {
namespace {

bool HasKind(const std::string& class_name, char kind, std::string_view program_folder) {
    std::string kinds;
    try {
        kinds = TPluginObject::Create(program_folder, class_name).GetPluginInfo(1);
    } catch (const EPluginError&) {
        return false;
    }
    return NormalizeText(Utf8ToUtf16(kinds)).find(static_cast<char16_t>(kind)) !=
           std::u16string::npos;
}

}  // namespace

void LoadPlugins(TPluginListBase& target, char kind, std::string_view program_folder,
                 bool enabled) {
    std::string list_file = std::string(program_folder) + "Plugins.txt";
    if (!enabled || !FileExists(list_file)) return;
    TTextFileFormat format;
    for (const std::string& class_name : ReadTextFileLines(list_file, format))
        if (HasKind(class_name, kind, program_folder)) target.AddPlugin(class_name);
}

}  // namespace kiova
