#include "UserProfile.h"

#include <vector>

#include "DateText.h"
#include "TextUtils.h"

namespace kiova {

std::optional<TUser> ParseUserProfile(std::string_view text) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 6) return std::nullopt;
    for (int i = 0; i < 4; ++i)
        if (lines[i].empty()) return std::nullopt;
    TUser user;
    user.Myoji = lines[0];
    user.Namae = lines[1];
    user.HandleName = lines[2];
    user.NickName = lines[3];
    user.Male = lines[4].empty();
    user.Birthday = ParseDate(lines[5]).value_or(kDefaultBirthday);
    return user;
}

std::string FormatUserProfile(const TUser& user) {
    return user.Myoji + "\r\n" + user.Namae + "\r\n" + user.HandleName + "\r\n" + user.NickName +
           "\r\n" + (user.Male ? "" : "Female") + "\r\n" +
           FormatDateTime("yyyy/mm/dd", user.Birthday);
}

}  // namespace kiova
