#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "PluginFolder.h"
#include "PluginList.h"
#include "PluginLoading.h"

namespace kiova {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::PluginFolder;

std::vector<std::string> Names(const TPluginList& list) {
    std::vector<std::string> names;
    for (const TKiovaPlugin& plugin : list.Items()) names.push_back(plugin.Name);
    return names;
}

TEST(PluginLoadingTest, NothingIsCreatedWithoutAListOrWhilePluginsAreDisabled) {
    PluginFolder folder({"echo"});
    TPluginList list(folder.Path());

    LoadPlugins(list, kExtendedPlugin, folder.Path(), true);
    folder.Write("Plugins.txt", "echo\r\n");
    LoadPlugins(list, kExtendedPlugin, folder.Path(), false);

    EXPECT_EQ(list.Count(), 0);
    EXPECT_THAT(folder.EchoLog(), IsEmpty());
}

TEST(PluginLoadingTest, EachKindGetsTheLinesWhoseKindsHoldItsLetterInFileOrder) {
    PluginFolder folder({"echo", "dice", "failing", "renamer"});
    folder.Write("Plugins.txt",
                 "failing\r\n"
                 "echo\r\n"
                 "\r\n"  // no class
                 "dice\r\n"
                 "nosuch\r\n"         // no library
                 " echo\r\n"          // lines are used as they stand
                 "failing.Kinds\r\n"  // fails its probe
                 "renamer\n"
                 "failing.Initialize\n"  // probes well, then fails to initialise
                 "dice.Clock");

    TPluginList extended(folder.Path());
    TPluginList basic(folder.Path());
    LoadPlugins(extended, kExtendedPlugin, folder.Path(), true);
    LoadPlugins(basic, kBasicPlugin, folder.Path(), true);

    EXPECT_THAT(Names(extended), ElementsAre("FAILING", "ECHO", "RENAMER"));
    EXPECT_THAT(Names(basic), ElementsAre("FAILING", "DICE", "CLOCK"));
}

TEST(PluginLoadingTest, OnlyRegularFilesAreLoaded) {
    PluginFolder folder({"echo"});
    const std::string fifo = folder.Library("fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(folder.Library("folder"));
    folder.Write("Plugins.txt", "fifo\r\nfolder\r\necho\r\n");

    // Should loading open the FIFO, it would wait for a writer; this one comes after a while,
    // so a failure ends instead of hanging.
    std::atomic<bool> done = false;
    std::atomic<bool> had_to_release = false;
    std::thread watchdog([&] {
        for (int i = 0; i < 100 && !done; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (done) return;
        had_to_release = true;
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    });
    TPluginList extended(folder.Path());
    LoadPlugins(extended, kExtendedPlugin, folder.Path(), true);
    done = true;
    watchdog.join();

    EXPECT_FALSE(had_to_release) << "loading opened the FIFO";
    EXPECT_THAT(Names(extended), ElementsAre("ECHO"));
}

TEST(PluginLoadingTest, ALoadedPluginIsCreatedOnceToProbeAndOnceToKeep) {
    PluginFolder folder({"echo"});
    folder.Write("Plugins.txt", "echo\r\n");

    TPluginList extended(folder.Path());
    LoadPlugins(extended, kExtendedPlugin, folder.Path(), true);
    EXPECT_THAT(folder.EchoLog(),
                ElementsAre("Echo\tcreate\t", "Echo\trelease\t", "Echo\tcreate\t",
                            ::testing::StartsWith("Echo\tKE_Initialize\tapppath=")));

    TPluginList basic(folder.Path());
    LoadPlugins(basic, kBasicPlugin, folder.Path(), true);
    EXPECT_EQ(basic.Count(), 0);
    std::vector<std::string> log = folder.EchoLog();
    EXPECT_THAT(std::vector(log.begin() + 4, log.end()),
                ElementsAre("Echo\tcreate\t", "Echo\trelease\t"));
}

}  // namespace
}  // namespace kiova
