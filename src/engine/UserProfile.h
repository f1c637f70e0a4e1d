// The profile text: the user's profile as six lines joined with CR LF - surname, first name,
// handle name, nickname, "" for a male user or "Female", and the birthday "yyyy/mm/dd".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "User.h"

namespace kiova {

// Nothing unless the text has at least six lines and the first four are not empty. Any
// non-empty fifth line means female; a sixth line that is no date gives 1970/01/01.
std::optional<TUser> ParseUserProfile(std::string_view text);
std::string FormatUserProfile(const TUser& user);

}  // namespace kiova
