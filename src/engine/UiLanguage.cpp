#include "UiLanguage.h"

#include <cstdlib>
#include <optional>

namespace kiova {
namespace {

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The language of a locale name such as "ja_JP.UTF-8" or "en@euro": the part before the
// territory, code set and modifier; nothing for a language Kiova has no texts in.
std::optional<EUiLanguage> LanguageOf(std::string_view locale) {
    std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    if (language == "ja") return EUiLanguage::Japanese;
    if (language == "en") return EUiLanguage::English;
    return std::nullopt;
}

}  // namespace

EUiLanguage ChooseUiLanguage(std::string_view language_list, std::string_view lc_all,
                             std::string_view lc_messages, std::string_view lang) {
    std::string_view locale = !lc_all.empty() ? lc_all : !lc_messages.empty() ? lc_messages : lang;
    if (locale.empty() || locale == "C" || locale.starts_with("C.") || locale == "POSIX")
        return EUiLanguage::English;
    // The LANGUAGE list names languages in the user's order of preference.
    while (!language_list.empty()) {
        size_t colon = language_list.find(':');
        if (std::optional<EUiLanguage> known = LanguageOf(language_list.substr(0, colon)))
            return *known;
        language_list = colon == std::string_view::npos ? "" : language_list.substr(colon + 1);
    }
    return LanguageOf(locale).value_or(EUiLanguage::English);
}

EUiLanguage UiLanguage() {
    return ChooseUiLanguage(Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"),
                            Variable("LANG"));
}

}  // namespace kiova
