#include "CharacterList.h"

#include <algorithm>
#include <iostream>

#include "CharacterFile.h"
#include "CodePage.h"
#include "IniFile.h"
#include "SharedIniFile.h"

namespace kiova {
namespace {
constexpr std::string_view kSection = "Character";
std::string KeyFor(size_t number) {
    return "Char" + std::to_string(number);
}

std::vector<std::string> ReadList(const TIniFile& settings) {
    std::vector<std::string> paths;
    for (size_t i = 1;; ++i) {
        std::optional<std::string> path = settings.Read(kSection, KeyFor(i));
        if (!path) break;
        if (IsValidCharacterFile(*path)) paths.push_back(*path);
    }
    return paths;
}

bool Lists(const std::vector<std::string>& paths, std::string_view path) {
    std::string wanted = AnsiUpperCase(path, kUtf8CodePage);
    return std::any_of(paths.begin(), paths.end(), [&wanted](const std::string& listed) {
        return AnsiUpperCase(listed, kUtf8CodePage) == wanted;
    });
}

// This process's list with another's changes since `saved`, as the file holds them now.
std::vector<std::string> Merged(const std::vector<std::string>& own,
                                const std::vector<std::string>& saved,
                                const std::vector<std::string>& now) {
    std::vector<std::string> merged;
    for (const std::string& path : own)
        if (!Lists(saved, path) || Lists(now, path)) merged.push_back(path);
    for (const std::string& path : now)
        if (!Lists(own, path) && !Lists(saved, path)) merged.push_back(path);
    return merged;
}
}  // namespace

std::vector<std::string> ReadCharacterList(std::string_view settings_path) {
    return ReadList(TIniFile{std::string(settings_path)});
}

TCharacterList::TCharacterList(std::string settings_path)
    : paths_(ReadCharacterList(settings_path)),
      saved_paths_(paths_),
      settings_path_(std::move(settings_path)) {}

TCharacterList::~TCharacterList() {
    try {
        Save();
    } catch (const std::exception& error) {
        std::cerr << "kiova: the character list was not saved: " << error.what() << '\n';
    }
}

void TCharacterList::AddCharacter(std::string_view package_path) {
    if (!Lists(paths_, package_path)) paths_.emplace_back(package_path);
}

void TCharacterList::Save() {
    if (paths_ == saved_paths_) return;
    UpdateIniFile(settings_path_, [this](TIniFile& settings) {
        paths_ = Merged(paths_, saved_paths_, ReadList(settings));
        settings.EraseSection(kSection);
        for (size_t i = 0; i < paths_.size(); ++i)
            settings.WriteString(kSection, KeyFor(i + 1), paths_[i]);
    });
    saved_paths_ = paths_;
}

}  // namespace kiova
