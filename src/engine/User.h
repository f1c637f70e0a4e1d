// TUser: the user's profile. The front end keeps it in the settings file and copies it into the
// loaded character, whose tag language reads it. Texts are UTF-8, as the settings file holds them.
#pragma once

#include <string>

#include "DateTime.h"

namespace kiova {

inline constexpr TDateTime kDefaultBirthday = 25569;  // 1970/01/01

struct TUser {
    std::string Myoji;       // surname
    std::string Namae;       // first name
    std::string HandleName;  // handle name
    std::string NickName;    // nickname
    bool Male = true;
    TDateTime Birthday = kDefaultBirthday;  // the date part is used

    bool operator==(const TUser&) const = default;
};

}  // namespace kiova
