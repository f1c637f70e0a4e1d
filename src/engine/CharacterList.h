// The list of known characters, kept in section "Character" of the settings file as
// "Char1", "Char2", ... each holding a full package path.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kiova {

// The list as the settings file (ANSI path) holds it, read without writing anything.
std::vector<std::string> ReadCharacterList(std::string_view settings_path);

class TCharacterList {
public:
    // Reads "Char1", "Char2", ... up to the first missing number; invalid packages are dropped.
    explicit TCharacterList(std::string settings_path);
    // Writes the list back (see Save); a failure is reported on standard error, never thrown.
    ~TCharacterList();
    TCharacterList(const TCharacterList&) = delete;
    TCharacterList& operator=(const TCharacterList&) = delete;

    // Appends the path unless it is listed already (compared ignoring case).
    void AddCharacter(std::string_view package_path);

    // Rewrites section "Character" with consecutive numbers when the list has changed since it
    // was read or saved. Another process may have changed the file meanwhile: the paths it
    // added stay (after this list's, and join this list) and the paths it removed stay
    // removed. Throws std::runtime_error.
    void Save();

    std::vector<std::string>& Paths() { return paths_; }
    const std::vector<std::string>& Paths() const { return paths_; }
    const std::string& SettingsPath() const { return settings_path_; }

private:
    std::vector<std::string> paths_;
    std::vector<std::string> saved_paths_;  // as read or last saved
    std::string settings_path_;
};

}  // namespace kiova
