#include <gtest/gtest.h>

#include "CodePage.h"
#include "DateText.h"
#include "DateTime.h"
#include "Settings.h"
#include "TempFolder.h"
#include "UserProfile.h"

namespace kiova {
namespace {
using testing::TempFolder;

TEST(SettingsTest, MissingFileGivesEveryDefault) {
    TempFolder folder;
    TSettings settings = ReadSettings(folder / "Kiova.ini");
    EXPECT_EQ(settings.top, -1);
    EXPECT_EQ(settings.left, -1);
    EXPECT_FALSE(settings.stay_on_top);
    EXPECT_TRUE(settings.play_sound);
    EXPECT_TRUE(settings.keep_log);
    EXPECT_EQ(settings.font_name, "ＭＳ ゴシック");
    EXPECT_EQ(settings.font_size, 9);
    EXPECT_EQ(settings.interval, 55);
    EXPECT_FALSE(settings.plugins_enabled);
    EXPECT_FALSE(settings.allow_execute);
    EXPECT_EQ(settings.user_profile, "");
}

TEST(SettingsTest, ReadsIntegersAndBooleans) {
    struct Case {
        const char* line;
        int TSettings::*integer;
        int expected;
    };
    for (const Case& c : {Case{"[Balloon]\r\nSpeed=0", &TSettings::interval, 55},
                          Case{"[Balloon]\r\nSpeed=-20", &TSettings::interval, 55},
                          Case{"[Balloon]\r\nSpeed=1500", &TSettings::interval, 1500},
                          Case{"[Balloon]\r\nSpeed=fast", &TSettings::interval, 55},
                          Case{"[Window]\r\nTop= 40", &TSettings::top, 40},
                          Case{"[Balloon]\r\nFontSize=12", &TSettings::font_size, 12}}) {
        TempFolder folder;
        folder.Write("Kiova.ini", c.line);
        EXPECT_EQ(ReadSettings(folder / "Kiova.ini").*c.integer, c.expected) << c.line;
    }
    struct BoolCase {
        const char* value;
        bool expected;
    };
    for (const BoolCase& c : {BoolCase{"0", false}, BoolCase{"1", true}, BoolCase{"-3", true},
                              BoolCase{"True", true}, BoolCase{"", true}}) {
        TempFolder folder;
        folder.Write("Kiova.ini", std::string("[Log]\r\nKeep=") + c.value);
        // "True" is no integer, so like an empty value it leaves the default (on).
        EXPECT_EQ(ReadSettings(folder / "Kiova.ini").keep_log, c.expected) << c.value;
    }
}

TEST(SettingsTest, RoundTripKeepsUnknownKeysAndTheCharacterList) {
    TempFolder folder;
    folder.Write(
        "Kiova.ini",
        "; my settings\r\n[Main]\r\nExtensionChar=1\r\nPlugin=1\r\n[Extra]\r\nColour=blue\r\n"
        "[Character]\r\nChar1=c:\\chars\\a.ktc\r\n[User]\r\n"
        "User=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05\r\n");
    const TSettings as_read = ReadSettings(folder / "Kiova.ini");
    TSettings settings = as_read;
    EXPECT_TRUE(settings.plugins_enabled);
    EXPECT_EQ(settings.user_profile, "Yamada\r\nTaro\r\ntaro\r\nTaro\r\n\r\n1980/05/05");
    settings.top = 10;
    settings.left = 20;
    settings.stay_on_top = true;
    settings.keep_log = false;
    settings.interval = 66;
    WriteSettings(folder / "Kiova.ini", settings, as_read);

    std::string written = folder.Read("Kiova.ini");
    for (const char* kept : {"; my settings", "ExtensionChar=1", "[Extra]\r\nColour=blue",
                             "Char1=c:\\chars\\a.ktc", "StayOnTop=1", "Keep=0", "Speed=66",
                             "User=Yamada{BR}Taro{BR}taro{BR}Taro{BR}{BR}1980/05/05"})
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
    TSettings again = ReadSettings(folder / "Kiova.ini");
    EXPECT_EQ(again.top, 10);
    EXPECT_EQ(again.left, 20);
    EXPECT_TRUE(again.stay_on_top);
    EXPECT_FALSE(again.keep_log);
    EXPECT_EQ(again.interval, 66);
    EXPECT_EQ(again.user_profile, settings.user_profile);
}

TEST(SettingsTest, DesktopModeAndItsPlace) {
    TempFolder folder;
    folder.Write("Kiova.ini", "[Window]\r\nDesktopMode=1\r\nDesktopLeft=-120\r\nDesktopTop=x9\r\n");
    const TSettings as_read = ReadSettings(folder / "Kiova.ini");
    EXPECT_TRUE(as_read.desktop_mode);
    EXPECT_EQ(as_read.desktop_left, -120);
    EXPECT_EQ(as_read.desktop_top, std::nullopt);  // garbage is no place

    TSettings settings = as_read;
    settings.desktop_mode = false;
    settings.desktop_left = std::nullopt;
    WriteSettings(folder / "Kiova.ini", settings, as_read);
    std::string written = folder.Read("Kiova.ini");
    EXPECT_NE(written.find("DesktopMode=0"), std::string::npos);
    // What is not known is left as the file has it.
    EXPECT_NE(written.find("DesktopLeft=-120"), std::string::npos);
    EXPECT_NE(written.find("DesktopTop=x9"), std::string::npos);

    settings.desktop_left = 30;
    settings.desktop_top = 40;
    WriteSettings(folder / "Kiova.ini", settings, as_read);
    TSettings again = ReadSettings(folder / "Kiova.ini");
    EXPECT_EQ(again.desktop_left, 30);
    EXPECT_EQ(again.desktop_top, 40);
}

TEST(UserProfileTest, ParsesTheSixLines) {
    struct Case {
        const char* text;
        bool valid;
        bool male;
        const char* birthday;
    };
    for (const Case& c : {
             Case{"Yamada\r\nTaro\r\ntaro\r\nTaro\r\n\r\n1980/05/05", true, true, "1980/05/05"},
             Case{"Yamada\r\nTaro\r\ntaro\r\nTaro\r\nFemale\r\n1980/05/05", true, false,
                  "1980/05/05"},
             Case{"Yamada\r\nTaro\r\ntaro\r\nTaro\r\nx\r\n1980/5/5", true, false, "1980/05/05"},
             Case{"Yamada\r\nTaro\r\ntaro\r\nTaro\r\n\r\nx", true, true, "1970/01/01"},
             Case{"Yamada\r\nTaro\r\ntaro\r\nTaro\r\n\r\n2001/2/30", true, true, "1970/01/01"},
             Case{"Yamada\r\nTaro\r\ntaro\r\nTaro\r\n\r\n1980/05/05\r\nmore", true, true,
                  "1980/05/05"},
             Case{"Yamada\r\nTaro\r\ntaro\r\nTaro\r\n", false, true, ""},
             Case{"Yamada\r\n\r\ntaro\r\nTaro\r\n\r\n1980/05/05", false, true, ""},
             Case{"", false, true, ""},
         }) {
        std::optional<TUser> user = ParseUserProfile(c.text);
        ASSERT_EQ(user.has_value(), c.valid) << c.text;
        if (!user) continue;
        EXPECT_EQ(user->Myoji, "Yamada");
        EXPECT_EQ(user->HandleName, "taro");
        EXPECT_EQ(user->Male, c.male) << c.text;
        EXPECT_EQ(FormatDateTime("yyyy/mm/dd", user->Birthday), c.birthday) << c.text;
    }
}

TEST(UserProfileTest, FormatReadsBack) {
    TUser user{"Sato", "Hanako", "hana", "Hana", false, *EncodeDate(1999, 12, 31)};
    EXPECT_EQ(FormatUserProfile(user), "Sato\r\nHanako\r\nhana\r\nHana\r\nFemale\r\n1999/12/31");
    EXPECT_EQ(ParseUserProfile(FormatUserProfile(user)), user);
    user.Male = true;
    EXPECT_EQ(ParseUserProfile(FormatUserProfile(user)), user);
}

}  // namespace
}  // namespace kiova
