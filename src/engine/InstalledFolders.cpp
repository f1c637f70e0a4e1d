#include "InstalledFolders.h"

#include <system_error>

#include "Files.h"

#ifndef KIOVA_BIN_TO_LIBRARY
#error "the build defines KIOVA_BIN_TO_LIBRARY and KIOVA_BIN_TO_DATA from the install layout"
#endif

namespace kiova {
namespace {

// The Japanese page keeps the name it has always had, so that a page users put there is found.
constexpr std::string_view kJapaneseHelpPage = "Help/index.htm";
constexpr std::string_view kEnglishHelpPage = "Help/index.en.htm";

// The program folder's `sub_folder`, then the installed one's (when the executable is known).
std::vector<std::string> InBoth(std::string_view program_folder, std::string_view installed,
                                std::string_view sub_folder) {
    std::vector<std::string> folders{std::string(program_folder) + std::string(sub_folder)};
    if (!installed.empty()) folders.push_back(std::string(installed) + std::string(sub_folder));
    return folders;
}

std::string InstalledFolder(std::string_view relative_to_bin) {
    std::filesystem::path executable = ExecutablePath();
    if (executable.empty()) return {};
    return IncludeTrailingDelimiter(
        PathText((executable.parent_path() / relative_to_bin).lexically_normal()));
}

}  // namespace

std::filesystem::path ExecutablePath() {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable;
}

const TInstalledFolders& InstalledFolders() {
    static const TInstalledFolders folders{InstalledFolder(KIOVA_BIN_TO_LIBRARY),
                                           InstalledFolder(KIOVA_BIN_TO_DATA)};
    return folders;
}

std::vector<std::string> DecoderFolders(std::string_view program_folder) {
    return InBoth(program_folder, InstalledFolders().library, "SPIs/");
}

std::optional<std::string> CharacterFolderInProgramFolder(std::string_view program_folder,
                                                          std::string_view folder_value,
                                                          int code_page) {
    return FolderInside(program_folder, folder_value, code_page);
}

std::vector<std::string> PluginFolders(std::string_view program_folder) {
    return InBoth(program_folder, InstalledFolders().library, "plugins/");
}

std::string HelpPagePath(std::string_view program_folder, EUiLanguage language) {
    const bool english = language == EUiLanguage::English;
    std::vector<std::string> pages = InBoth(program_folder, InstalledFolders().data,
                                            english ? kEnglishHelpPage : kJapaneseHelpPage);
    const std::vector<std::string> other = InBoth(program_folder, InstalledFolders().data,
                                                  english ? kJapaneseHelpPage : kEnglishHelpPage);
    pages.insert(pages.end(), other.begin(), other.end());
    for (const std::string& page : pages)
        if (FileExists(page)) return page;
    return std::string(program_folder) + std::string(kJapaneseHelpPage);
}

std::vector<std::filesystem::path> TranslationFolders() {
    std::filesystem::path executable = ExecutablePath();
    if (executable.empty()) return {};
    std::filesystem::path bin = executable.parent_path();
    return {bin / "translations", (bin / KIOVA_BIN_TO_DATA / "translations").lexically_normal()};
}

}  // namespace kiova
