// The character that chat and eval talk to, and the options they share for creating it:
//   --now "yyyy/mm/dd hh:nn:ss"   a fixed local time (UTC taken as the same instant)
//   --user PROFILE                the profile text of the settings file, lines joined by "{BR}"
//   --allow-execute               characters may start programs and open documents
//   --plugins                     the basic plug-ins of the program folder's Plugins.txt load
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Character.h"
#include "HandOverQueue.h"
#include "ToolCommand.h"

namespace kiova::tool {

// Yamada Taro ("taro", "Taro"), male, born 1980/05/05.
inline constexpr std::string_view kDefaultProfile =
    "Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05";

struct CharacterOptions {
    std::optional<std::string> now;
    std::string profile{kDefaultProfile};  // UTF-8
    bool allow_execute = false;
    bool plugins = false;

    // Takes the option at args[index] (and its value, moving `index` onto it) when it is one of
    // the shared options; false when it is not. Throws UsageError for a missing value.
    bool Take(const Arguments& args, size_t& index);
};

// A character as the program would have it: the tag language attached, the profile and
// switches copied in. Creating it fixes the clock when --now was given.
class ToolCharacter {
public:
    // Throws UsageError for a bad --now or --user, EKiovaError when the package is no character.
    ToolCharacter(std::string_view package_utf8, const CharacterOptions& options);
    // Saves the character's state file.
    ~ToolCharacter();

    TCharacter& Character() { return *character_; }
    // Runs what delegation threads have handed over, as the program's user-interface thread
    // does between events. Call it before each evaluation.
    void DrainHandOver() { hand_over_.Drain(); }

private:
    THandOverQueue hand_over_;
    std::unique_ptr<TCharacter> character_;
};

}  // namespace kiova::tool
