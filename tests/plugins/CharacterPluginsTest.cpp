#include <gtest/gtest.h>

#include "Character.h"
#include "PluginFolder.h"
#include "PluginList.h"
#include "PluginLoading.h"
#include "engine/TestCharacter.h"

namespace kiova {
namespace {

TEST(CharacterPluginsTest, CharacterKeepsItsOwnBasicPluginsUntilItIsFreed) {
    testing::PluginFolder folder({"dice", "echo"});
    folder.Write("Plugins.txt", "echo\r\ndice\r\n");
    testing::TestCharacter alice;
    alice.Data("datab2", "words.txt", {"hello,Hi"});
    {
        TCharacterServices services;
        services.create_plugin_list = PluginListFactory(folder.Path(), 0);
        TCharacter character(alice.Write(), services);

        LoadPlugins(character.Plugins(), kBasicPlugin, folder.Path(), true);
        EXPECT_TRUE(character.AddPluginLibrary(u"dice.Clock"));
        EXPECT_FALSE(character.AddPluginLibrary(u"dice.Weather"));

        EXPECT_EQ(character.Plugins().Count(), 2);
        EXPECT_EQ(character.Plugins().ExpandTag("Dice.Roll:4d1"), "4");
        EXPECT_FALSE(character.Plugins().ExpandTag("Clock.Unix").empty());
        EXPECT_TRUE(folder.IsLoaded("dice"));
    }
    EXPECT_FALSE(folder.IsLoaded("dice"));
}

}  // namespace
}  // namespace kiova
