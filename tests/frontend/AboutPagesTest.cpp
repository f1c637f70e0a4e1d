#include <gtest/gtest.h>

#include "AboutPages.h"
#include "Character.h"
#include "FrontEndFixture.h"
#include "UiTexts.h"

namespace kiova::testing {
namespace {

TEST_F(FrontEndFixture, AboutPagesFlipAndTheCommentIsExpandedAnew) {
    TTestCharacter alice{"Alice",
                         {{kOnGreeting, "Hi"}},
                         {},
                         {{"url", "https://alice.example.org/"},
                          {"parents", "Bob"},
                          {"comment", "{NAMAE}さんへ{PIC:smile.bmp}、よろしく{WAITRETURN}"}}};
    Start(WritePackage(alice));
    TCharacter* character = front_end->Character();

    TAboutPage program = BuildAboutPage(EAboutPage::Program, character);
    EXPECT_EQ(program.caption, u"Kiovaについて");
    EXPECT_EQ(program.button, u"人格について(&C)");
    EXPECT_EQ(program.address, kHomePage);
    EXPECT_TRUE(program.text.starts_with(u"汎用人工知能会話ソフト Kiova\r\nver2.11.05\r\n\r\n"));

    TAboutPage page = BuildAboutPage(OtherAboutPage(EAboutPage::Program), character);
    EXPECT_EQ(page.caption, u"人格について");
    EXPECT_EQ(page.button, u"Kiovaについて(&C)");
    EXPECT_EQ(page.address, u"https://alice.example.org/");
    EXPECT_EQ(page.text, u"Alice\r\nbrought up by Bob\r\n\r\nTaroさんへ、よろしく");
    TUser user = front_end->User();
    user.Namae = "Jiro";
    front_end->SetUserProfile(user);
    EXPECT_EQ(BuildAboutPage(EAboutPage::Character, character).text,
              u"Alice\r\nbrought up by Bob\r\n\r\nJiroさんへ、よろしく");
    EXPECT_EQ(OtherAboutPage(OtherAboutPage(EAboutPage::Program)), EAboutPage::Program);

    ASSERT_TRUE(front_end->LoadCharacter(WriteGreeter("Carol", "Hi")));  // no "url"
    EXPECT_EQ(BuildAboutPage(EAboutPage::Character, front_end->Character()).address, u"");
}

}  // namespace
}  // namespace kiova::testing
