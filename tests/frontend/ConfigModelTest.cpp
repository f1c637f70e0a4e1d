// The settings dialog's model over a started front end: what it shows, what OK applies and in
// which order, the plug-in pages, and the start-up that insists on a valid profile.
#include <gmock/gmock.h>

#include "Character.h"
#include "CodePage.h"
#include "ConfigModel.h"
#include "FakeDesktopTools.h"
#include "FileAssociation.h"
#include "FrontEndFixture.h"
#include "PluginList.h"
#include "UiTexts.h"

namespace kiova::testing {
namespace {
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr char kSettings[] =
    "[Balloon]\r\nSpeed=1500\r\nFontSize=12\r\n[Main]\r\nExtensionChar=1\r\nAllowExecute=1\r\n"
    "PlaySound=0\r\n[Log]\r\nKeep=0\r\n[User]\r\n"
    "User=Sato{BR}Hanako{BR}hana{BR}Hana{BR}Female{BR}1999/12/31\r\n";

class ConfigModel : public FrontEndFixture {
protected:
    TFileAssociation Association() const { return {folder / "data", "/usr/bin/kiova"}; }
};

TEST_F(ConfigModel, OpensWithTheFrontEndsValuesAndTheKeysOfTheFile) {
    folder.Write("Kiova.ini", kSettings);
    Start(WriteGreeter("Alice", "Hi"));
    front_end->SetAllowExecute(false);  // the dialog shows the file's value
    TConfigValues values = ReadConfigValues(*front_end);
    EXPECT_EQ(values.interval, 1500);
    EXPECT_EQ(values.font_size, 12);
    EXPECT_TRUE(values.associate);
    EXPECT_TRUE(values.allow_execute);
    EXPECT_FALSE(values.play_sound);
    EXPECT_FALSE(values.keep_log);
    EXPECT_FALSE(values.plugins_enabled);
    EXPECT_EQ(values.profile,
              (TProfileFields{"Sato", "Hanako", "hana", "Hana", false, 1999, 12, 31}));
}

TEST(ProfileFieldsTest, EmptyNamesComeFirstThenDaysTheMonthLacks) {
    TProfileFields valid{"Sato", "Hanako", "hana", "Hana", true, 2000, 2, 29};
    EXPECT_EQ(ProfileProblem(valid), std::nullopt);
    for (std::string TProfileFields::*name :
         {&TProfileFields::myoji, &TProfileFields::namae, &TProfileFields::handle_name,
          &TProfileFields::nick_name}) {
        TProfileFields fields = valid;
        fields.*name = "";
        fields.day = 30;
        EXPECT_EQ(ProfileProblem(fields), kProfileEmptyField);
    }
    for (auto [year, month, day] : {std::tuple{2001, 2, 30}, {2001, 2, 29}, {2001, 4, 31}}) {
        TProfileFields fields = valid;
        fields.year = year;
        fields.month = month;
        fields.day = day;
        EXPECT_EQ(ProfileProblem(fields), kProfileInvalidDate)
            << year << "/" << month << "/" << day;
        TUser current;
        current.Birthday = 12345;
        EXPECT_EQ(UserFromFields(fields, current).Birthday, 12345);
    }
}

TEST_F(ConfigModel, OkAppliesEverythingAndKeepsALongIntervalFromTheFile) {
    FakeDesktopTools tools(folder);
    folder.Write("Kiova.ini", kSettings);
    Start(WriteGreeter("Alice", "Hi"));
    TConfigValues values = ReadConfigValues(*front_end);
    values.profile.namae = "Jiro";
    values.profile.male = true;
    values.allow_execute = false;
    values.plugins_enabled = true;
    values.keep_log = true;
    ApplyConfigValues(*front_end, values, Association());
    EXPECT_EQ(timer.interval, 1500);
    EXPECT_EQ(view.font_size, 12);
    EXPECT_EQ(front_end->Character()->User().Namae, "Jiro");
    EXPECT_TRUE(front_end->Character()->User().Male);
    EXPECT_FALSE(front_end->Character()->AllowExecute());
    EXPECT_TRUE(front_end->Character()->PluginsEnabled());
    EXPECT_TRUE(front_end->Settings().keep_log);
    // The dialog's three keys are in the file at once; the rest waits for the next write.
    EXPECT_THAT(folder.Read("Kiova.ini"),
                AllOf(HasSubstr("ExtensionChar=1"), HasSubstr("AllowExecute=0"),
                      HasSubstr("Plugin=1"), HasSubstr("Keep=0")));
    EXPECT_TRUE(std::filesystem::exists(Association().DesktopEntry()));

    for (auto [interval, applied] : {std::pair{0, 1500}, {10000, 1500}, {9999, 9999}, {1, 1}}) {
        values.interval = interval;
        ApplyConfigValues(*front_end, values, Association());
        EXPECT_EQ(timer.interval, applied) << interval;
    }
    values.associate = false;
    ApplyConfigValues(*front_end, values, Association());
    EXPECT_FALSE(std::filesystem::exists(Association().DesktopEntry()));
}

TEST_F(ConfigModel, AFailedAssociationLeavesWhatCameBeforeApplied) {
    Start(WriteGreeter("Alice", "Hi"));
    folder.Write("data", "a file where the data folder should be");
    TConfigValues values = ReadConfigValues(*front_end);
    values.interval = 200;
    values.associate = true;
    EXPECT_THROW(ApplyConfigValues(*front_end, values, Association()), EAssociationError);
    EXPECT_EQ(timer.interval, 200);
    EXPECT_THAT(folder.Read("Kiova.ini"), HasSubstr("ExtensionChar=1"));
}

TEST_F(ConfigModel, PluginPagesListBothKindsWithTheirInformation) {
    std::filesystem::create_directories(folder.Path() / "plugins");
    for (const char* library : {"echo.so", "dice.so"})
        std::filesystem::copy_file(std::filesystem::path(KIOVA_TEST_PLUGIN_DIR) / library,
                                   folder.Path() / "plugins" / library);
    folder.Write("Plugins.txt", "echo\r\ndice\r\ndice.Clock\r\n");
    folder.Write("Kiova.ini", std::string("[Main]\r\nPlugin=1\r\n[User]\r\n") + kValidProfileLine);
    Create();
    EXPECT_EQ(BasicPlugins(*front_end), nullptr);  // no character yet
    ASSERT_TRUE(front_end->Start(WriteGreeter("Alice", "Hi")));

    std::vector<TPluginEntry> extended = PluginEntries(front_end->ExtendedPlugins());
    ASSERT_EQ(extended.size(), 1u);
    EXPECT_EQ(extended[0].caption, u"Echo / writes down every event");
    EXPECT_THAT(Utf16ToUtf8(extended[0].description), HasSubstr("marks each answer with [Echo]"));
    std::vector<TPluginEntry> basic = PluginEntries(*BasicPlugins(*front_end));
    ASSERT_EQ(basic.size(), 2u);
    EXPECT_EQ(basic[0].caption, u"Dice / dice rolls");
    EXPECT_EQ(basic[1].caption, u"Clock / the system clock");
    EXPECT_THAT(Utf16ToUtf8(basic[1].description), HasSubstr("{Clock.Unix}"));
}

TEST_F(ConfigModel, StartUpAsksAgainWhileTheProfileIsInvalid) {
    std::filesystem::remove(folder.Path() / "Kiova.ini");
    view.on_settings = [this] {
        if (view.settings_dialogs == 2) {
            ASSERT_TRUE(front_end->ParseUserProfile(
                "Sato\r\nHanako\r\nhana\r\nHana\r\nFemale\r\n1999/12/31"));
        }
    };
    Start(WriteGreeter("Alice", "Hi"));
    EXPECT_EQ(view.settings_dialogs, 2);

    // A program being ended from outside stops asking.
    view = TRecordingView();
    std::filesystem::remove(folder.Path() / "Kiova.ini");
    view.on_settings = [this] { front_end->Close(false); };
    Create();
    front_end->Start("");
    EXPECT_EQ(view.settings_dialogs, 1);
}

}  // namespace
}  // namespace kiova::testing
