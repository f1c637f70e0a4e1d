// What the menu items that leave the balloon alone ask of the view: the help page, the web
// site, and when the tray icon's menu may open.
#include <gmock/gmock.h>

#include "CodePage.h"
#include "FrontEndFixture.h"
#include "ScopedEnvironment.h"
#include "UiTexts.h"

namespace kiova::testing {
namespace {
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

using MenuActions = FrontEndFixture;

TEST_F(MenuActions, HelpPageOpensOrItsAbsenceIsReportedWithThePath) {
    Start(WriteGreeter("Alice", "Hi"));
    front_end->ShowHelp();
    EXPECT_TRUE(view.opened.empty());
    ASSERT_EQ(view.messages.size(), 1u);
    std::string message = Utf16ToUtf8(view.messages[0]);
    EXPECT_THAT(message, HasSubstr("ヘルプが見つかりません\r\n" + (folder / "Help/index.htm")));
    EXPECT_THAT(ErrorLog(), Contains(HasSubstr("ヘルプが見つかりません{BR}")));

    folder.Write("Help/index.htm", "<html></html>");
    front_end->ShowHelp();
    EXPECT_THAT(view.opened, ElementsAre(Utf8ToUtf16(folder / "Help/index.htm")));
    front_end->ShowWebSite();
    EXPECT_EQ(view.opened.back(), kHomePage);
}

TEST_F(MenuActions, HelpPageInTheInterfacesLanguageElseInTheOther) {
    Start(WriteGreeter("Alice", "Hi"));
    const ScopedEnvironment no_language_list("LANGUAGE", "");
    auto show_help_under = [this](const char* locale) {
        const ScopedEnvironment all("LC_ALL", locale);
        front_end->ShowHelp();
    };
    folder.Write("Help/index.en.htm", "<html lang=en></html>");
    show_help_under("ja_JP.UTF-8");
    folder.Write("Help/index.htm", "<html lang=ja></html>");
    show_help_under("ja_JP.UTF-8");
    show_help_under("C");
    const std::u16string english = Utf8ToUtf16(folder / "Help/index.en.htm");
    const std::u16string japanese = Utf8ToUtf16(folder / "Help/index.htm");
    EXPECT_THAT(view.opened, ElementsAre(english, japanese, english));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(MenuActions, TrayMenuOnlyOnceTheAnswerHasBeenShown) {
    Start(WriteGreeter("Alice", "Hi"));
    EXPECT_FALSE(front_end->TrayMenuAvailable());  // still speaking
    PlayOut();
    EXPECT_TRUE(front_end->TrayMenuAvailable());
    front_end->Enter();
    EXPECT_TRUE(front_end->TrayMenuAvailable());  // typing
}

TEST_F(MenuActions, DesktopModeReadAtStartSwitchedAtOnceAndWrittenBack) {
    folder.Write("Kiova.ini", std::string("[User]\r\n") + kValidProfileLine +
                                  "\r\n[Window]\r\nDesktopMode=1\r\nDesktopLeft=70\r\n"
                                  "DesktopTop=80\r\n");
    std::string alice = WriteGreeter("Alice", "Hi");
    Start(alice);
    EXPECT_EQ(view.desktop_modes, std::vector<bool>{true});
    EXPECT_EQ(view.desktop_position, QPoint(70, 80));
    PlayOut();
    front_end->Enter();
    view.balloon_text = u"half typed";

    front_end->ToggleDesktopMode();
    EXPECT_EQ(view.desktop_modes, (std::vector<bool>{true, false}));
    EXPECT_EQ(State(), TBalloonState::bsListening);  // the conversation goes on
    EXPECT_EQ(view.balloon_text, u"half typed");
    front_end->SetDesktopMode(false);  // no change, nothing to tell
    EXPECT_EQ(view.desktop_modes.size(), 2u);

    view.desktop_position = QPoint(300, 400);  // dragged
    front_end->Shutdown();
    std::string written = folder.Read("Kiova.ini");
    for (const char* line : {"DesktopMode=0", "DesktopLeft=300", "DesktopTop=400"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace kiova::testing
