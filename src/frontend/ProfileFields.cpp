#include "ProfileFields.h"

#include "UiTexts.h"

namespace kiova {

TProfileFields ProfileFieldsOf(const TUser& user) {
    DateTimeParts birthday = DecodeDateTime(user.Birthday);
    return {user.Myoji, user.Namae,    user.HandleName, user.NickName,
            user.Male,  birthday.year, birthday.month,  birthday.day};
}

std::optional<TUiText> ProfileProblem(const TProfileFields& fields) {
    if (fields.myoji.empty() || fields.namae.empty() || fields.handle_name.empty() ||
        fields.nick_name.empty())
        return kProfileEmptyField;
    if (!EncodeDate(fields.year, fields.month, fields.day)) return kProfileInvalidDate;
    return std::nullopt;
}

TUser UserFromFields(const TProfileFields& fields, const TUser& current) {
    return {fields.myoji,
            fields.namae,
            fields.handle_name,
            fields.nick_name,
            fields.male,
            EncodeDate(fields.year, fields.month, fields.day).value_or(current.Birthday)};
}

}  // namespace kiova
