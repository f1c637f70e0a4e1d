// info: what the program reads from a package, or without one, where the program keeps its
// folder and looks for its shared parts.
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "CharacterFile.h"
#include "CodePage.h"
#include "CommonOptions.h"
#include "Files.h"
#include "InstalledFolders.h"
#include "ProgramFolder.h"
#include "ToolCommand.h"

namespace kiova::tool {
namespace {

nlohmann::json Utf8List(const std::vector<std::string>& ansi_texts) {
    nlohmann::json list = nlohmann::json::array();
    for (const std::string& text : ansi_texts) list.push_back(AnsiToUtf8(text));
    return list;
}

std::string Joined(const nlohmann::json& list) {
    std::string text;
    for (const auto& item : list) text += (text.empty() ? "" : ", ") + item.get<std::string>();
    return text;
}

// A query writes nothing: the per-user folder is reported, not created, when it is missing.
int ReportProgramFolder(bool json) {
    const TProgramFolder folder = FindProgramFolder(ProgramFolderPlaces());
    std::error_code error;
    const bool exists = std::filesystem::is_directory(NativePath(folder.path), error);
    const nlohmann::json out = {{"programFolder", AnsiToUtf8(folder.path)},
                                {"exists", exists},
                                {"choice", ChoiceName(folder.choice)},
                                {"reason", folder.reason},
                                {"decoderFolders", Utf8List(DecoderFolders(folder.path))},
                                {"pluginFolders", Utf8List(PluginFolders(folder.path))},
                                {"helpPage", AnsiToUtf8(HelpPagePath(folder.path))}};
    if (json) {
        std::cout << out.dump() << '\n';
        return 0;
    }
    std::cout << "program folder: " << out["programFolder"].get<std::string>() << " ("
              << folder.reason << ")" << (exists ? "" : ", does not exist yet") << '\n'
              << "decoders:       " << Joined(out["decoderFolders"]) << '\n'
              << "plug-ins:       " << Joined(out["pluginFolders"]) << '\n'
              << "help page:      " << out["helpPage"].get<std::string>() << '\n';
    return 0;
}

}  // namespace

int RunInfoCommand(const Arguments& args) {
    const auto [package_utf8, json] = ParsePackageAndJson(args);
    if (package_utf8.empty()) return ReportProgramFolder(json);

    const std::string package_path = Utf8ToAnsi(std::filesystem::absolute(package_utf8).string());
    if (!FileExists(package_path)) throw ToolError(package_utf8 + " does not exist");
    TCharacterFile package(package_path);
    // As the program's loader decides, so that "valid" promises the character loads.
    const bool valid = IsValidCharacterFile(package_path) && HasSupportedVersion(package);

    if (json) {
        nlohmann::json pairs = nlohmann::json::array();
        for (size_t i = 0; i < package.Keys().size(); ++i)
            pairs.push_back({AnsiToUtf8(package.Keys()[i]), AnsiToUtf8(package.Values()[i])});
        nlohmann::json out = {{"path", AnsiToUtf8(package_path)},
                              {"valid", valid},
                              {"dataFolder", AnsiToUtf8(package.DataFolder())},
                              {"pairs", pairs}};
        std::cout << out.dump() << '\n';
        return 0;
    }
    std::cout << "package:     " << AnsiToUtf8(package_path) << '\n'
              << "valid:       " << (valid ? "yes" : "no") << '\n'
              << "data folder: " << AnsiToUtf8(package.DataFolder()) << '\n';
    for (size_t i = 0; i < package.Keys().size(); ++i)
        std::cout << "  " << AnsiToUtf8(package.Keys()[i]) << " = "
                  << AnsiToUtf8(package.Values()[i]) << '\n';
    return 0;
}

}  // namespace kiova::tool
