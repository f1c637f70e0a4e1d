#include "CharacterList.h"

#include <iostream>

#include "CharacterFile.h"
#include "CodePage.h"
#include "IniFile.h"

namespace kiova {
namespace {
constexpr std::string_view kSection = "Character";
std::string KeyFor(size_t number) {
    return "Char" + std::to_string(number);
}
}  // namespace

TCharacterList::TCharacterList(std::string settings_path)
    : settings_path_(std::move(settings_path)) {
    TIniFile settings(settings_path_);
    for (size_t i = 1;; ++i) {
        std::optional<std::string> path = settings.Read(kSection, KeyFor(i));
        if (!path) break;
        if (IsValidCharacterFile(*path)) paths_.push_back(*path);
    }
}

TCharacterList::~TCharacterList() {
    try {
        Save();
    } catch (const std::exception& error) {
        std::cerr << "kiova: the character list was not saved: " << error.what() << '\n';
    }
}

void TCharacterList::AddCharacter(std::string_view package_path) {
    std::string wanted = AnsiUpperCase(package_path);
    for (const std::string& path : paths_)
        if (AnsiUpperCase(path) == wanted) return;
    paths_.emplace_back(package_path);
}

void TCharacterList::Save() const {
    TIniFile settings(settings_path_);
    settings.EraseSection(kSection);
    for (size_t i = 0; i < paths_.size(); ++i)
        settings.WriteString(kSection, KeyFor(i + 1), paths_[i]);
    settings.Save();
}

}  // namespace kiova
