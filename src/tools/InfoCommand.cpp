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
#include "ToolTexts.h"

namespace kiova::tool {
namespace {

nlohmann::json Utf8List(const std::vector<std::string>& paths) {
    nlohmann::json list = nlohmann::json::array();
    for (const std::string& path : paths) list.push_back(path);
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
    const nlohmann::json out = {{"programFolder", folder.path},
                                {"exists", exists},
                                {"choice", ChoiceName(folder.choice)},
                                {"reason", folder.reason},
                                {"decoderFolders", Utf8List(DecoderFolders(folder.path))},
                                {"pluginFolders", Utf8List(PluginFolders(folder.path))},
                                {"helpPage", HelpPagePath(folder.path, UiLanguage())}};
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

    const std::string package_path = ExistingPackagePath(package_utf8);
    TCharacterFile package(package_path);
    // As the program's loader decides, so that "valid" promises the character loads.
    const int code_page = package.CodePage();
    const bool valid = IsValidCharacterFile(package_path) && HasSupportedVersion(package) &&
                       !package.CharsetProblem();
    const std::string encoding = std::string(CodePageName(code_page));
    const std::string encoding_source = std::string(package.CodePageSource());

    if (json) {
        nlohmann::json pairs = nlohmann::json::array();
        for (size_t i = 0; i < package.Keys().size(); ++i)
            pairs.push_back({AnsiToUtf8(package.Keys()[i], code_page),
                             AnsiToUtf8(package.Values()[i], code_page)});
        nlohmann::json out = {{"path", package_path},
                              {"valid", valid},
                              {"encoding", encoding},
                              {"encodingSource", encoding_source},
                              {"dataFolder", package.DataFolder()},
                              {"pairs", pairs}};
        if (package.CharsetProblem()) out["encodingProblem"] = *package.CharsetProblem();
        std::cout << out.dump() << '\n';
        return 0;
    }
    std::cout << "package:     " << package_path << '\n'
              << "valid:       " << (valid ? "yes" : "no") << '\n'
              << "encoding:    " << encoding << " (" << encoding_source << ")";
    if (package.CharsetProblem()) std::cout << "; " << *package.CharsetProblem();
    std::cout << '\n' << "data folder: " << package.DataFolder() << '\n';
    for (size_t i = 0; i < package.Keys().size(); ++i)
        std::cout << "  " << AnsiToUtf8(package.Keys()[i], code_page) << " = "
                  << AnsiToUtf8(package.Values()[i], code_page) << '\n';
    return 0;
}

}  // namespace kiova::tool
