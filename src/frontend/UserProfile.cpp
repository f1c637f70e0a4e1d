#include "UserProfile.h"

#include <cstdio>
#include <vector>

#include "Numbers.h"
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
           "\r\n" + (user.Male ? "" : "Female") + "\r\n" + FormatDate(user.Birthday);
}

std::optional<TDateTime> ParseDate(std::string_view text) {
    if (CountFields(text, "/") != 3) return std::nullopt;
    std::optional<int32_t> year = TextToInt(NthField(text, "/", 0));
    std::optional<int32_t> month = TextToInt(NthField(text, "/", 1));
    std::optional<int32_t> day = TextToInt(NthField(text, "/", 2));
    if (!year || !month || !day) return std::nullopt;
    return EncodeDate(*year, *month, *day);
}

std::string FormatDate(TDateTime date) {
    DateTimeParts parts = DecodeDateTime(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", parts.year, parts.month, parts.day);
    return text;
}

}  // namespace kiova
