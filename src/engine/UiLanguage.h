// The language of the interface, chosen by the user's locale as gettext chooses it: the
// LANGUAGE list first (unless the locale is C or POSIX), then LC_ALL, LC_MESSAGES and LANG.
// A Japanese locale gives Japanese; every other locale, and none, gives English. Character
// data never take part: a character's answers are its own.
#pragma once

#include <string_view>

namespace kiova {

enum class EUiLanguage { Japanese, English };

// The language for these locale variables (an unset variable is empty).
EUiLanguage ChooseUiLanguage(std::string_view language_list, std::string_view lc_all,
                             std::string_view lc_messages, std::string_view lang);

// The language for this process's environment.
EUiLanguage UiLanguage();

}  // namespace kiova
