#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>

#include "CodePage.h"
#include "PluginError.h"
#include "PluginFolder.h"
#include "PluginList.h"

namespace kiova {
namespace {

using ::testing::ElementsAre;
using testing::PluginFolder;
using ::testing::StartsWith;

std::vector<std::string> Names(const TPluginList& list) {
    std::vector<std::string> names;
    for (const TKiovaPlugin& plugin : list.Items()) names.push_back(plugin.Name);
    return names;
}

TEST(PluginListTest, AddPluginInitialisesWithEscapedProgramPathVersionAndWindow) {
    PluginFolder folder({"echo"}, "Kiova 100% & more");
    TPluginList list(folder.Path(), 4242);

    ASSERT_TRUE(list.AddPlugin("echo"));

    EXPECT_EQ(list.Count(), 1);
    EXPECT_THAT(Names(list), ElementsAre("ECHO"));
    std::string escaped_path = EscapeUrlChars(folder.Path());
    EXPECT_THAT(folder.EchoLog(),
                ElementsAre("Echo\tcreate\t", "Echo\tKE_Initialize\tapppath=" + escaped_path +
                                                  "kiova&version=2.11.05&hwndmain=4242"));
    EXPECT_NE(escaped_path.find("Kiova 100%25 %26 more"), std::string::npos);
}

TEST(PluginListTest, ClassNameFindsItsLibraryIgnoringCaseAndOneLibraryServesSeveralClasses) {
    PluginFolder folder({"echo", "dice"});
    TPluginList list(folder.Path());

    EXPECT_TRUE(list.AddPlugin("ECHO.First"));
    EXPECT_TRUE(list.AddPlugin("Dice"));
    EXPECT_TRUE(list.AddPlugin("dice.Clock"));

    EXPECT_THAT(Names(list), ElementsAre("FIRST", "DICE", "CLOCK"));
}

TEST(PluginListTest, AddPluginFailsWithoutAddingAnything) {
    PluginFolder folder({"echo", "dice", "failing", "oldabi"});
    folder.Write("plugins/junk.so", "not a library");
    folder.Write("plugins/sub/echo.so", "");
    std::filesystem::copy_file(folder.Library("echo"), folder.Library("sub/echo"),
                               std::filesystem::copy_options::overwrite_existing);

    for (const char* class_name :
         {"", ".dice", "nosuch", "dice.Nothing", "junk", "oldabi", "sub/echo", "sub\\echo",
          "failing.Create", "failing.Name", "failing.Initialize"}) {
        SCOPED_TRACE(class_name);
        TPluginList list(folder.Path());
        EXPECT_FALSE(list.AddPlugin(class_name));
        EXPECT_EQ(list.Count(), 0);
        EXPECT_TRUE(list.AddPlugin("dice"));
        EXPECT_THAT(Names(list), ElementsAre("DICE"));
    }
}

TEST(PluginListTest, EventPassesThroughPluginsInOrderEachSeeingThePreviousRewrite) {
    PluginFolder folder({"echo"});
    TPluginList list(folder.Path());
    ASSERT_TRUE(list.AddPlugin("echo.A"));
    ASSERT_TRUE(list.AddPlugin("echo.B"));

    std::string event_name = "KE_EndThink";
    std::string data = "hello";
    list.FireEvent(event_name, data);

    EXPECT_EQ(data, "hello [A] [B]");
    EXPECT_EQ(event_name, "KE_EndThink");
    std::vector<std::string> log = folder.EchoLog();
    EXPECT_THAT(std::vector(log.end() - 2, log.end()),
                ElementsAre("A\tKE_EndThink\thello", "B\tKE_EndThink\thello [A]"));
}

TEST(PluginListTest, EventNameRewrittenByOnePluginReachesTheLaterOnesAndTheCaller) {
    PluginFolder folder({"echo", "renamer"});
    TPluginList list(folder.Path());
    ASSERT_TRUE(list.AddPlugin("renamer"));
    ASSERT_TRUE(list.AddPlugin("echo"));

    std::string event_name = "KE_BeginThink";
    std::string data = "line";
    list.FireEvent(event_name, data);

    EXPECT_EQ(event_name, "KE_BeginThink!");
    EXPECT_EQ(data, "line");
    EXPECT_EQ(folder.EchoLog().back(), "Echo\tKE_BeginThink!\tline");
}

TEST(PluginListTest, FailingPluginEndsTheEventKeepingTheTextsAsRewrittenBeforeIt) {
    PluginFolder folder({"echo", "failing"});
    TPluginList list(folder.Path());
    ASSERT_TRUE(list.AddPlugin("echo.A"));
    ASSERT_TRUE(list.AddPlugin("failing.OnKiovaEvent"));
    ASSERT_TRUE(list.AddPlugin("echo.B"));

    for (const char* text : {"first", "second"}) {
        std::string event_name = "KE_EndThink";
        std::string data = text;
        list.FireEvent(event_name, data);
        EXPECT_EQ(data, std::string(text) + " [A]");
        EXPECT_EQ(event_name, "KE_EndThink");
    }
    std::vector<std::string> log = folder.EchoLog();
    EXPECT_THAT(std::vector(log.end() - 2, log.end()),
                ElementsAre("A\tKE_EndThink\tfirst", "A\tKE_EndThink\tsecond"));
}

TEST(PluginListTest, EmptyListLeavesTheTextsAlone) {
    PluginFolder folder({});
    TPluginList list(folder.Path());
    std::string event_name = "KE_BeginThink";
    std::string data = "a%26b";

    list.FireEvent(event_name, data);

    EXPECT_EQ(event_name, "KE_BeginThink");
    EXPECT_EQ(data, "a%26b");
    EXPECT_EQ(list.ExpandTag("Dice.Roll:1d1"), "");
}

TEST(PluginListTest, TextsCrossAsUtf8AndComeBackAsIs) {
    PluginFolder folder({"echo"});
    TPluginList list(folder.Path());
    ASSERT_TRUE(list.AddPlugin("echo"));
    std::string event_name = "KE_EndThink";
    std::string data = "こんにちは";

    list.FireEvent(event_name, data);

    EXPECT_EQ(data, "こんにちは [Echo]");
    EXPECT_EQ(folder.EchoLog().back(), "Echo\tKE_EndThink\tこんにちは");
}

TEST(PluginListTest, TagGoesToTheFirstPluginOfTheNormalisedName) {
    PluginFolder folder({"dice", "failing", "renamer"});
    TPluginList list(folder.Path());
    for (const char* class_name :
         {"dice", "failing.ExpandPluginTag", "failing", "renamer", "dice.Clock"})
        ASSERT_TRUE(list.AddPlugin(class_name)) << class_name;

    struct Case {
        std::string tag;
        std::string expansion;
    };
    for (const Case& c : std::vector<Case>{
             {"Dice.Roll:3d1+2", "5"},
             {"dice.roll:2D1-7", "-5"},
             {"Ｄｉｃｅ.Roll:1d1", "1"},
             {"Dice.Roll:1d1.5", ""},   // everything after the first "." goes to the plug-in
             {"Dice.Roll:0d6", ""},     // the plug-in fails
             {"Dice.Weather", ""},      // the plug-in does not expand it
             {"Dice", ""},              // no "."
             {".Roll:1d1", ""},         // no plug-in has an empty name
             {"Nobody.Roll:1d1", ""},   // no such plug-in
             {"Failing.anything", ""},  // the first "Failing" fails; the second is not asked
             {"Renamer.x", ""},         // the plug-in has no tags at all
         }) {
        EXPECT_EQ(list.ExpandTag(c.tag), c.expansion) << c.tag;
    }
    long long now = static_cast<long long>(std::time(nullptr));
    EXPECT_NEAR(std::stoll(list.ExpandTag("clock.UNIX")), now, 5);
    for (int i = 0; i < 50; ++i) {
        int roll = std::stoi(list.ExpandTag("Dice.Roll:2d6"));
        EXPECT_GE(roll, 2);
        EXPECT_LE(roll, 12);
    }
}

TEST(PluginListTest, FreeingTheListReleasesItsObjectsAndThenTheirLibraries) {
    PluginFolder folder({"echo", "dice"});
    {
        TPluginList list(folder.Path());
        ASSERT_TRUE(list.AddPlugin("echo"));
        ASSERT_TRUE(list.AddPlugin("dice"));
        ASSERT_TRUE(list.AddPlugin("dice.Clock"));
        EXPECT_TRUE(folder.IsLoaded("echo"));
        EXPECT_TRUE(folder.IsLoaded("dice"));
        EXPECT_THAT(folder.EchoLog().back(), StartsWith("Echo\tKE_Initialize\t"));
    }
    EXPECT_EQ(folder.EchoLog().back(), "Echo\trelease\t");
    EXPECT_FALSE(folder.IsLoaded("echo"));
    EXPECT_FALSE(folder.IsLoaded("dice"));
}

TEST(PluginListTest, ConfigurationDialogReachesThePluginAndItsFailureIsReported) {
    PluginFolder folder({"echo", "failing", "renamer"});
    TPluginList list(folder.Path());
    for (const char* class_name : {"echo", "failing.ConfigurationDialog", "renamer"})
        ASSERT_TRUE(list.AddPlugin(class_name)) << class_name;

    list.ConfigurationDialog(0);
    EXPECT_EQ(folder.EchoLog().back(), "Echo\tConfigurationDialog\t");
    EXPECT_THROW(list.ConfigurationDialog(1), EPluginError);
    EXPECT_THROW(list.ConfigurationDialog(2), EPluginError);
    EXPECT_EQ(list.PluginInfo(1, 2), "fails on purpose");
    EXPECT_EQ(list.PluginInfo(0, 99), "");
}

}  // namespace
}  // namespace kiova
