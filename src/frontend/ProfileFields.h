// The user's profile as the settings dialog edits it: four names, the sex and the birthday as
// three numbers. Checked before the dialog may close, by the windows and the terminal alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Translation.h"
#include "User.h"

namespace kiova {

// The ranges of the birthday's up-down controls.
inline constexpr int kBirthYearMin = 1900;
inline constexpr int kBirthYearMax = 2100;
inline constexpr int kDefaultBirthYear = 1970;

struct TProfileFields {
    std::string myoji;  // UTF-8, like TUser
    std::string namae;
    std::string handle_name;
    std::string nick_name;
    bool male = true;
    int year = kDefaultBirthYear;
    int month = 1;
    int day = 1;

    bool operator==(const TProfileFields&) const = default;
};

TProfileFields ProfileFieldsOf(const TUser& user);

// Nothing when the fields make a valid profile; otherwise the message the dialog shows
// ("空欄があります" for an empty name, "不正な日付です" for a day the month lacks) before
// it switches to the user page.
std::optional<TUiText> ProfileProblem(const TProfileFields& fields);

// The profile the fields describe; the birthday stays `current`'s when they name no date.
TUser UserFromFields(const TProfileFields& fields, const TUser& current);

}  // namespace kiova
