// The extended plug-ins hear the front end's events in order and may rewrite the answers; the
// echo example plug-in writes down every call it receives.
#include <gmock/gmock.h>

#include <cstdlib>

#include "Files.h"
#include "FrontEndFixture.h"
#include "PluginList.h"

namespace kiova::testing {
namespace {
using ::testing::ElementsAre;

class PluginEvents : public FrontEndFixture {
protected:
    PluginEvents() {
        ::unsetenv("KIOVA_ECHO_LOG");
        std::filesystem::create_directories(folder.Path() / "plugins");
        std::filesystem::copy_file(std::filesystem::path(KIOVA_TEST_PLUGIN_DIR) / "echo.so",
                                   folder.Path() / "plugins/echo.so");
        folder.Write("Plugins.txt", "echo\r\n");
        folder.Write("Kiova.ini",
                     std::string("[Main]\r\nPlugin=1\r\n[User]\r\n") + kValidProfileLine + "\r\n");
    }

    // The events the echo heard from the first character load on, as "event<TAB>data".
    std::vector<std::string> HeardEvents() const {
        std::vector<std::string> events;
        for (const std::string& line : ReadFileLines(folder / "plugins/echo.log")) {
            std::string heard = line.substr(line.find('\t') + 1);
            if (heard.starts_with("KE_") && !heard.starts_with("KE_Initialize"))
                events.push_back(heard);
        }
        return events;
    }
};

TEST_F(PluginEvents, EventsReachTheExtendedPlugInsInOrder) {
    std::string package = WriteGreeter("Al&ce", "Hello", {{"HELLO", "Hi"}});
    Start(package);
    EXPECT_EQ(front_end->Player().Answer(), u"Hello [Echo]");
    PlayOut();
    front_end->Enter();
    Type(u"hello");
    PlayOut();
    std::string escaped_path = package.substr(0, package.size() - 9) + "Al%26ce.ktc";
    EXPECT_THAT(HeardEvents(),
                ElementsAre("KE_InitCharacter\tcharpath=" + escaped_path + "&charname=Al%26ce",
                            "KE_BeginThink\tKCCalled", "KE_EndThink\tHello",
                            "KE_BeginRespond\tHello [Echo]", "KE_EndRespond\tHello [Echo]",
                            "KE_BeginThink\thello", "KE_EndThink\tHi", "KE_BeginRespond\tHi [Echo]",
                            "KE_EndRespond\tHi [Echo]"));
    EXPECT_EQ(view.balloon_text, u"Hi [Echo]");
}

TEST_F(PluginEvents, DisabledPlugInsAreNeverLoaded) {
    folder.Write("Kiova.ini",
                 std::string("[Main]\r\nPlugin=0\r\n[User]\r\n") + kValidProfileLine + "\r\n");
    Start(WriteGreeter("Alice", "Hello"));
    EXPECT_EQ(front_end->ExtendedPlugins().Count(), 0);
    EXPECT_EQ(front_end->Player().Answer(), u"Hello");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "plugins/echo.log"));
}

}  // namespace
}  // namespace kiova::testing
