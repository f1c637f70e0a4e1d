#include <gtest/gtest.h>

#include "ScopedEnvironment.h"
#include "UiLanguage.h"

namespace kiova {
namespace {
using enum EUiLanguage;

TEST(UiLanguage, TheLocaleNamesTheLanguageInGettextsOrder) {
    EXPECT_EQ(ChooseUiLanguage("", "", "", "ja_JP.UTF-8"), Japanese);
    EXPECT_EQ(ChooseUiLanguage("", "", "", "en_US.UTF-8"), English);
    EXPECT_EQ(ChooseUiLanguage("", "", "ja_JP.UTF-8", "en_US.UTF-8"), Japanese);
    EXPECT_EQ(ChooseUiLanguage("", "en_GB.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8"), English);
    EXPECT_EQ(ChooseUiLanguage("", "", "", "ja"), Japanese);
    EXPECT_EQ(ChooseUiLanguage("", "", "", "ja_JP.eucJP@mod"), Japanese);
}

TEST(UiLanguage, LanguageListComesFirstUnlessTheLocaleIsC) {
    EXPECT_EQ(ChooseUiLanguage("ja", "", "", "en_US.UTF-8"), Japanese);
    EXPECT_EQ(ChooseUiLanguage("fr:en:ja", "", "", "ja_JP.UTF-8"), English);
    EXPECT_EQ(ChooseUiLanguage("fr:de", "", "", "ja_JP.UTF-8"), Japanese);  // none known
    EXPECT_EQ(ChooseUiLanguage("ja", "C", "", "ja_JP.UTF-8"), English);
    EXPECT_EQ(ChooseUiLanguage("ja_JP", "", "", "POSIX"), English);
}

TEST(UiLanguage, CUnknownAndMissingLocalesGiveEnglish) {
    for (const char* locale : {"", "C", "C.UTF-8", "POSIX", "fr_FR.UTF-8", "jav_ID", "j"})
        EXPECT_EQ(ChooseUiLanguage("", "", "", locale), English) << locale;
}

TEST(UiLanguage, ReadsTheEnvironment) {
    testing::ScopedEnvironment language("LANGUAGE", "");
    testing::ScopedEnvironment all("LC_ALL", "");
    testing::ScopedEnvironment messages("LC_MESSAGES", "ja_JP.UTF-8");
    testing::ScopedEnvironment lang("LANG", "en_US.UTF-8");
    EXPECT_EQ(UiLanguage(), Japanese);
}

}  // namespace
}  // namespace kiova
