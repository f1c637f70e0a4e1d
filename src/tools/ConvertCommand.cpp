// convert: writes a copy of a character in another encoding. Its texts (the package, the data,
// patting and state files) are converted, and every other file of its data folder is copied as it
// is. Names inside the texts are converted with them; names on disk are native (UTF-8) whatever
// the character's encoding, so the converted names find the same files. A text the target cannot
// hold is reported with its file, line and column, and then nothing is written: the copy is built
// beside OUTFOLDER and renamed into place only when it is complete.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <set>

#include "Character.h"
#include "CharacterFile.h"
#include "CodePage.h"
#include "CommonOptions.h"
#include "Files.h"
#include "StagingFolder.h"
#include "StateFolder.h"
#include "TextConversion.h"
#include "TextUtils.h"
#include "ToolCommand.h"
#include "ToolTexts.h"

namespace fs = std::filesystem;

namespace kiova::tool {
namespace {

struct ConvertOptions {
    std::string package_utf8;
    int to_code_page = kUtf8CodePage;
    std::string out_folder;
};

ConvertOptions ParseConvertOptions(const Arguments& args) {
    ConvertOptions options;
    std::optional<int> target;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--to") {
            const std::string& name = OptionValue(args, i);
            target = CodePageOfCharset(name);
            if (!target) throw UsageError(TranslatedUtf8(kToolBadEncoding, name));
        } else if (args[i].starts_with("--")) {
            throw UsageError(TranslatedUtf8(kToolUnknownOption, args[i]));
        } else {
            positional.push_back(args[i]);
        }
    }
    if (!target || positional.size() != 2)
        throw UsageError(
            TranslatedUtf8(kToolNeedsArguments, "convert", "PACKAGE --to ENCODING OUTFOLDER"));
    options.package_utf8 = positional[0];
    options.to_code_page = *target;
    options.out_folder = positional[1];
    return options;
}

bool LiesWithin(const fs::path& path, const fs::path& folder) {
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first ==
           folder.end();
}

class TCharacterConversion {
public:
    // Throws ToolError when the package is no character the program would read.
    TCharacterConversion(std::string package_path, int to_code_page);

    // Writes the converted character into `out` (the folder that is to hold its package),
    // reporting each problem on standard error; the number of problems.
    size_t WriteInto(const fs::path& out);
    // Throws ToolError when `out` lies inside the data folder, which is copied into it.
    void RefuseOutputInside(const fs::path& out) const;

private:
    std::set<std::string> NamedTextFiles() const;
    void CopyDataFolder(const fs::path& out_data, const std::set<std::string>& skipped);
    void WriteText(const std::string& source, const fs::path& target, bool is_package);

    std::string package_path_;
    TCharacterFile package_;
    TTextConverter converter_;
    size_t problems_ = 0;
};

TCharacterConversion::TCharacterConversion(std::string package_path, int to_code_page)
    : package_path_(std::move(package_path)),
      package_(package_path_),
      converter_(package_.CodePage(), to_code_page) {
    if (!IsValidCharacterFile(package_path_))
        throw ToolError(TranslatedUtf8(kToolNoCharacter, package_path_));
    if (const std::optional<std::string>& problem = package_.CharsetProblem())
        throw ToolError(package_path_ + ": " + *problem);
    if (package_.DataFolder().empty())
        throw ToolError(OutsideFolderMessage(package_.ReadValue("folder"), package_.CodePage()));
}

void TCharacterConversion::RefuseOutputInside(const fs::path& out) const {
    std::error_code error;
    const fs::path data = fs::canonical(NativePath(package_.DataFolder()), error);
    if (!error && LiesWithin(fs::weakly_canonical(fs::absolute(out)), data))
        throw ToolError(TranslatedUtf8(kToolOutputInsideData, out.string(), package_.DataFolder()));
}

// The data and patting files the package names and that exist, relative to the data folder.
std::set<std::string> TCharacterConversion::NamedTextFiles() const {
    std::set<std::string> files;
    const auto add = [&](std::string_view key) {
        for (const std::string& name : SplitFieldList(package_.ReadValue(key), package_.CodePage()))
            if (std::optional<std::string> path = package_.ResolvePath(name);
                path && FileExists(*path))
                files.insert(path->substr(package_.DataFolder().size()));
    };
    for (std::string_view key : kTableKeys) add(key);
    add("datanadenade");
    return files;
}

size_t TCharacterConversion::WriteInto(const fs::path& out) {
    const std::string& data_folder = package_.DataFolder();
    const std::string package_folder = ExtractFilePath(package_path_);
    const std::string package_name = package_path_.substr(package_folder.size());
    const fs::path out_data = out / data_folder.substr(package_folder.size());
    const std::string state_name = StateFileName(package_path_);

    // The package (when it lies in the data folder) and the state file are written on their own.
    std::set<std::string> skipped = {state_name};
    if (data_folder == package_folder) skipped.insert(package_name);
    CopyDataFolder(out_data, skipped);

    WriteText(package_path_, out / package_name, true);
    // Where the program keeps it: beside the data, or in the per-user state folder.
    const std::string state = StateFolderFor(data_folder) + state_name;
    if (FileExists(state)) WriteText(state, out_data / state_name, false);
    return problems_;
}

void TCharacterConversion::CopyDataFolder(const fs::path& out_data,
                                          const std::set<std::string>& skipped) {
    const std::string& root = package_.DataFolder();
    std::set<std::string> unmet = NamedTextFiles();
    fs::create_directories(out_data);
    for (auto it = fs::recursive_directory_iterator(NativePath(root));
         it != fs::recursive_directory_iterator(); ++it) {
        const std::string source = it->path().string();
        const std::string relative = source.substr(root.size());
        const fs::path target = out_data / relative;
        const fs::file_status status = it->symlink_status();
        if (skipped.contains(relative)) continue;
        if (unmet.erase(relative) != 0)
            WriteText(source, target, false);
        else if (fs::is_directory(status))
            fs::create_directory(target);
        else if (fs::is_regular_file(status))
            fs::copy_file(it->path(), target);
        else if (fs::is_symlink(status))
            fs::copy_symlink(it->path(), target);
        else
            std::cerr << "kiova-tool: " << TranslatedUtf8(kToolNotCopied, source) << '\n';
    }
    // Reached through a linked folder, which is copied as a link: converting would write through
    // it.
    if (!unmet.empty()) throw ToolError(TranslatedUtf8(kToolBehindLink, root + *unmet.begin()));
}

void TCharacterConversion::WriteText(const std::string& source, const fs::path& target,
                                     bool is_package) {
    const std::optional<std::string> contents = ReadFileBytes(source);
    if (!contents) throw ToolError(TranslatedUtf8(kToolCannotRead, source));
    std::vector<TConversionProblem> problems;
    const std::string converted = is_package ? converter_.ConvertPackage(*contents, problems)
                                             : converter_.ConvertFile(*contents, problems);
    for (const TConversionProblem& problem : problems)
        std::cerr << source << ':' << problem.line << ':' << problem.column << ": "
                  << problem.message << '\n';
    problems_ += problems.size();
    WriteFileAtomically(target.string(), converted);
}

}  // namespace

int RunConvertCommand(const Arguments& args) {
    const ConvertOptions options = ParseConvertOptions(args);
    const std::string package_path = ExistingPackagePath(options.package_utf8);
    TCharacterConversion conversion(package_path, options.to_code_page);
    conversion.RefuseOutputInside(options.out_folder);
    TStagingFolder staging(options.out_folder);
    if (const size_t problems = conversion.WriteInto(staging.Path()); problems > 0)
        throw ToolError(TranslatedUtf8(kToolConversionProblems, std::to_string(problems),
                                       CodePageName(options.to_code_page)));
    staging.Commit();
    return 0;
}

}  // namespace kiova::tool
