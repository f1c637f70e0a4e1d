// check: reads a character the way the program does and reports every problem with its file and
// line, then figures; exit status 1 when there is an error. The data files are read a line at a
// time, so a character of any size is checked in bounded memory.
#include <array>
#include <chrono>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "Character.h"
#include "CharacterFile.h"
#include "CheckContext.h"
#include "CodePage.h"
#include "CommonOptions.h"
#include "Files.h"
#include "InstalledFolders.h"
#include "Numbers.h"
#include "ProgramDecoders.h"
#include "ProgramFolder.h"
#include "SusiePlugInList.h"
#include "TableCheck.h"
#include "TextUtils.h"
#include "ToolCommand.h"
#include "ToolTexts.h"
#include "bmCharCode.h"

namespace kiova::tool {
namespace {

struct TCheckFigures {
    std::array<size_t, 8> records{};
    TPatternFigures patterns;
    double milliseconds = 0;
    int code_page = CodePage();  // the character's
};

// The line of the package that holds the value of `key` (the first pair with that key wins);
// line 1 when the key is absent.
uint32_t ValueLine(const TCharacterFile& package, std::string_view key) {
    const std::vector<std::string>& keys = package.Keys();
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key) return static_cast<uint32_t>(2 * i + 2);
    return 1;
}

// The reasons the program would refuse the package itself; false when it is no character at all.
bool CheckPackage(TCheckReport& report, const std::string& path, const TCharacterFile& package) {
    if (!IsValidCharacterFile(path)) {
        report.Error({path, 1},
                     "characterfile is invalid: neither \"name\" nor \"folder\" has a value");
        return false;
    }
    if (const std::optional<std::string>& problem = package.CharsetProblem()) {
        report.Error({path, ValueLine(package, "charset")}, *problem);
        return false;
    }
    const std::string version = package.ReadValue("version");
    if (!HasSupportedVersion(package))
        report.Error({path, ValueLine(package, "version")},
                     "character is not supported in this version: \"version\" is " +
                         Quoted(version) + ", " + std::to_string(kMinimumCharacterVersion) +
                         " or more is needed");
    return true;
}

// A "folder" leading out of the folder it is taken from leaves the character without one.
void CheckFolder(TCheckContext& context, const TPlace& place, const std::string& folder_value,
                 const std::optional<std::string>& folder) {
    if (!folder || folder->empty())
        context.Report().Error(place,
                               "folder " + OutsideFolderMessage(folder_value, context.CodePage()));
}

// The pictures and patting files the package names, as the program finds them.
void CheckNamedFiles(TCheckContext& context, const std::string& path,
                     const TCharacterFile& package) {
    const auto picture = [&](std::string_view key) {
        const std::string name = package.ReadValue(key);
        const TPlace place{path, ValueLine(package, key)};
        if (name.empty()) return;
        if (std::optional<std::string> file =
                context.NamedPath(place, "picture", package.DataFolder(), name))
            context.CheckPicture(place, "picture", *file);
    };
    picture("defaultbitmap");
    if (TextToBool(package.ReadValue("originalballoon"))) {
        picture("balloonchar");
        picture("balloonuser");
    }
    if (!TextToBool(package.ReadValue("nadenade"))) return;
    const std::optional<std::string> folder = package.DataFolder();
    CheckFolder(context, {path, ValueLine(package, "folder")}, package.ReadValue("folder"), folder);
    const TPlace place{path, ValueLine(package, "datanadenade")};
    for (const std::string& name :
         SplitFieldList(package.ReadValue("datanadenade"), package.CodePage()))
        if (std::optional<std::string> file =
                context.NamedPath(place, "patting file", folder, name))
            context.CheckFileExists(place, "patting file", *file);
}

void CheckTables(TCheckContext& context, const std::string& path, const TCharacterFile& package,
                 TCheckFigures& figures) {
    for (int bit = 0; bit < 8; ++bit) {
        const std::string_view key = kTableKeys[static_cast<size_t>(bit)];
        TTableCheck table(context, bit, figures.patterns);
        const TPlace named_at{path, ValueLine(package, key)};
        for (const std::string& file : SplitFieldList(package.ReadValue(key), package.CodePage()))
            if (std::optional<std::string> data_file =
                    context.NamedPath(named_at, "data file", package.DataFolder(), file))
                table.CheckFile(named_at, *data_file);
        table.Finish();
        figures.records[static_cast<size_t>(bit)] = table.Records();
    }
    size_t records = 0;
    for (size_t count : figures.records) records += count;
    if (records == 0)
        context.Report().Error({path, 1},
                               "character contains no data: no table has a record to answer with");
}

void PrintSummary(const TCheckReport& report, const TCheckFigures& figures) {
    const TSlowestPattern& slowest = figures.patterns.slowest;
    if (report.Json()) {
        nlohmann::ordered_json records;
        for (size_t bit = 0; bit < 8; ++bit) records[kTableKeys[bit]] = figures.records[bit];
        nlohmann::ordered_json slowest_json;
        if (slowest.line != 0)
            slowest_json = {{"pattern", AnsiToUtf8(slowest.pattern, figures.code_page)},
                            {"milliseconds", slowest.milliseconds},
                            {"file", slowest.file},
                            {"line", slowest.line}};
        const nlohmann::ordered_json summary = {{"records", records},
                                                {"patterns", figures.patterns.count},
                                                {"slowestPattern", slowest_json},
                                                {"milliseconds", figures.milliseconds},
                                                {"errors", report.Errors()},
                                                {"warnings", report.Warnings()}};
        std::cout << nlohmann::ordered_json{{"summary", summary}}.dump() << '\n';
        return;
    }
    std::cout << "records:";
    for (size_t bit = 0; bit < 8; ++bit)
        std::cout << (bit ? ", " : " ") << kTableKeys[bit] << ' ' << figures.records[bit];
    std::cout << "\npatterns: " << figures.patterns.count;
    if (slowest.line != 0)
        std::cout << ", slowest to compile " << Quoted(slowest.pattern, figures.code_page) << " at "
                  << slowest.file << ':' << slowest.line << " (" << slowest.milliseconds << " ms)";
    std::cout << "\nread in " << static_cast<long>(figures.milliseconds) << " ms\n"
              << report.Errors() << " error(s), " << report.Warnings() << " warning(s)\n";
}

}  // namespace

int RunCheckCommand(const Arguments& args) {
    const auto [package_utf8, json] = ParsePackageAndJson(args);
    if (package_utf8.empty()) throw UsageError(TranslatedUtf8(kToolNeedsPackage, "check"));
    const std::string path = ExistingPackagePath(package_utf8);
    bmccSetDefaultCharCode(bmccCodePage2CharCode(CodePage()));

    const auto start = std::chrono::steady_clock::now();
    TCheckReport report(json);
    TCheckFigures figures;
    const TCharacterFile package(path);
    figures.code_page = package.CodePage();
    if (CheckPackage(report, path, package)) {
        const std::string program_folder = OpenProgramFolder().path;
        TSusiePlugInList decoders;
        AddProgramDecoders(decoders, program_folder, &package);
        TCheckContext context(report, package.DataFolder(), package.CodePage(), decoders);
        CheckFolder(context, {path, ValueLine(package, "folder")}, package.ReadValue("folder"),
                    package.DataFolder());
        CheckNamedFiles(context, path, package);
        CheckTables(context, path, package, figures);
    }
    figures.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    PrintSummary(report, figures);
    std::cout.flush();
    return report.Errors() > 0 ? 1 : 0;
}

}  // namespace kiova::tool
