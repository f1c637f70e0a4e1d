// info: what the program reads from a package.
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "CharacterFile.h"
#include "CodePage.h"
#include "Files.h"
#include "ToolCommand.h"

namespace kiova::tool {

int RunInfoCommand(const Arguments& args) {
    bool json = false;
    std::string package_utf8;
    for (const std::string& arg : args) {
        if (arg == "--json")
            json = true;
        else if (package_utf8.empty() && !arg.starts_with("--"))
            package_utf8 = arg;
        else
            throw UsageError("unexpected argument \"" + arg + "\"");
    }
    if (package_utf8.empty()) throw UsageError("info needs a PACKAGE");

    const std::string package_path = Utf8ToAnsi(std::filesystem::absolute(package_utf8).string());
    if (!FileExists(package_path)) throw ToolError(package_utf8 + " does not exist");
    TCharacterFile package(package_path);
    const bool valid = IsValidCharacterFile(package_path);

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
