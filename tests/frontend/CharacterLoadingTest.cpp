// Loading and switching characters, start-up and the settings round trip through the front
// end, driven like the player scenarios.
#include <gmock/gmock.h>

#include <QImage>

#include "Character.h"
#include "CharacterList.h"
#include "CodePage.h"
#include "FrontEndFixture.h"
#include "SusiePlugInList.h"
#include "UserProfile.h"

namespace kiova::testing {
namespace {
using enum TBalloonState;
using ::testing::_;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class CharacterLoading : public FrontEndFixture {
protected:
    // A BMP picture of `size` whose bottom-left pixel is red and the rest green.
    std::string WritePicture(const std::string& name, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(qRgb(0, 200, 0));
        image.setPixel(0, size.height() - 1, qRgb(255, 0, 0));
        std::string path = folder / name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
        return path;
    }
    // The selection dialog picks the row named `name`.
    void ChooseInDialog(const std::string& name) {
        view.on_selection = [this, name](TCharacterSelection& selection) {
            EXPECT_EQ(State(), bsSuspended);
            for (size_t row = 0; row < selection.Rows().size(); ++row)
                if (selection.Rows()[row].name == name) {
                    EXPECT_TRUE(selection.Accept(row));
                }
        };
    }
    std::string WriteBob() { return WriteGreeter("Bob", "I am Bob"); }
};

TEST_F(CharacterLoading, ReadCharacterCommandSwitchesAfterTheAnswer) {
    std::string bob = WriteBob();
    Start(WriteGreeter("Alice", "bye{READCHARACTER:" + bob + "}"));
    EXPECT_EQ(view.caption, u"Alice - Kiova");
    EXPECT_EQ(view.tray_tip, u"Alice - Kiova");
    EXPECT_THAT(PlayOut(), ElementsAre(u"b", u"by", u"bye", u"", u"I", u"I ", u"I a", u"I am",
                                       u"I am ", u"I am B", u"I am Bo", u"I am Bob"));
    EXPECT_EQ(front_end->Character()->Name(), "Bob");
    EXPECT_EQ(view.caption, u"Bob - Kiova");
    EXPECT_THAT(ChatLog(),
                ElementsAre("## 2024/03/05 10:20:30 # Start chatting with Alice", "bye",
                            "## 2024/03/05 10:20:30 # End chatting with Alice",
                            "## 2024/03/05 10:20:30 # Start chatting with Bob", "I am Bob"));
    EXPECT_FALSE(view.splash_visible);
    EXPECT_TRUE(view.visible);
}

TEST_F(CharacterLoading, FailedSwitchLetsTheCurrentCharacterAnswer) {
    TTestCharacter alice{
        "Alice",
        {{kOnGreeting, "{READCHARACTER:missing.ktc}"}, {kOnInvalidCharacter, "No such friend"}},
        {},
        {}};
    Start(WritePackage(alice));
    EXPECT_EQ(PlayOut().back(), u"No such friend");
    EXPECT_EQ(front_end->Character()->Name(), "Alice");
    EXPECT_EQ(view.caption, u"Alice - Kiova");
    EXPECT_TRUE(view.visible);
    EXPECT_FALSE(view.splash_visible);
}

// The path goes as typed, never through the character's code page, which need not hold it.
TEST_F(CharacterLoading, TypedReadCharacterLineSwitchesToThePathAsTyped) {
    // In a folder whose name Shift_JIS cannot hold.
    std::filesystem::create_directories(folder.Path() / "josé🐱");
    std::filesystem::rename(WriteBob(), folder / "josé🐱/Bob.ktc");
    std::filesystem::rename(folder / "Bob", folder / "josé🐱/Bob");
    const std::string bob = folder / "josé🐱/Bob.ktc";
    TTestCharacter alice{"Alice", {{kOnGreeting, "Hi"}, {kOnSwitchRequest, "See you"}}, {}, {}};
    Start(WritePackage(alice));
    PlayOut();
    front_end->Enter();
    Type(u"readcharacter:" + Utf8ToUtf16(bob));
    EXPECT_EQ(front_end->Player().Answer(), u"See you{readcharacter:" + Utf8ToUtf16(bob) + u"}");
    PlayOut();
    EXPECT_EQ(front_end->Character()->Name(), "Bob");
    EXPECT_EQ(view.balloon_text, u"I am Bob");
}

TEST_F(CharacterLoading, ChangeCharacterPlaysTheFarewellThenSwitches) {
    WriteBob();
    TTestCharacter alice{"Alice",
                         {{kOnGreeting, "Wait{CHANGECHARACTER}ignored"}, {kOnSwitchRequest, "Bye"}},
                         {},
                         {}};
    Start(WritePackage(alice));
    ChooseInDialog("Bob");
    EXPECT_THAT(PlayOut(),
                ElementsAre(u"W", u"Wa", u"Wai", u"Wait", u"Wait", u"B", u"By", u"Bye", u"", u"I",
                            u"I ", u"I a", u"I am", u"I am ", u"I am B", u"I am Bo", u"I am Bob"));
    EXPECT_EQ(view.selection_dialogs, 1);
    EXPECT_EQ(front_end->Character()->Name(), "Bob");
    EXPECT_THAT(ChatLog(), ElementsAre(_, "Wait", "Bye", _, _, "I am Bob"));
    // OK put the chosen character at the head of the known ones.
    EXPECT_EQ(front_end->CharacterList()->Paths().front(), folder / "Bob.ktc");
}

TEST_F(CharacterLoading, CancelledChangeSkipsTheRestOfTheAnswer) {
    WriteBob();
    Start(WriteGreeter("Alice", "Wait{CHANGECHARACTER}ignored"));
    EXPECT_THAT(PlayOut(), ElementsAre(u"W", u"Wa", u"Wai", u"Wait", u"Wait"));
    EXPECT_EQ(State(), bsAnswered);
    EXPECT_EQ(front_end->Character()->Name(), "Alice");
    EXPECT_THAT(ChatLog(), ElementsAre(_, "Wait"));
}

TEST_F(CharacterLoading, MenuSwitchWorksWithoutFarewellLines) {
    WriteBob();
    Start(WriteGreeter("Alice", "Hi"));
    PlayOut();
    ChooseInDialog("Bob");
    front_end->ChangeCharacter();
    EXPECT_EQ(State(), bsResponding);
    PlayOut();
    EXPECT_EQ(front_end->Character()->Name(), "Bob");
}

TEST_F(CharacterLoading, SwitchCarriesWindowPositionFontAndSpeedOver) {
    std::string bob = WriteBob();
    Start(WriteGreeter("Alice", "{FONTBIG}{SPEEDFAST}{READCHARACTER:" + bob + "}"));
    view.position = QPoint(300, 200);  // the user moved the window
    PlayOut();
    ASSERT_EQ(front_end->Character()->Name(), "Bob");
    EXPECT_EQ(view.position, QPoint(300, 200));
    EXPECT_EQ(view.font_size, 11);
    EXPECT_EQ(timer.interval, 66);
    std::string settings = folder.Read("Kiova.ini");
    for (const char* written : {"Top=200", "Left=300", "FontSize=11", "Speed=66"})
        EXPECT_THAT(settings, HasSubstr(written));
}

TEST_F(CharacterLoading, StartsWithTheFirstKnownCharacter) {
    std::string bob = WriteBob();
    WriteGreeter("Alice", "Hi");
    folder.Write("Kiova.ini", "[Character]\r\nChar1=" + bob +
                                  "\r\nChar2=" + (folder / "Alice.ktc") + "\r\n[User]\r\n" +
                                  kValidProfileLine + "\r\n");
    Start("");
    EXPECT_EQ(front_end->Character()->Name(), "Bob");
}

TEST_F(CharacterLoading, StartUpFallsBackToTheSelectionDialog) {
    WriteBob();
    ChooseInDialog("Bob");
    Start(folder / "missing.ktc");
    EXPECT_EQ(view.selection_dialogs, 1);
    EXPECT_EQ(front_end->Character()->Name(), "Bob");
    EXPECT_EQ(State(), bsResponding);
}

TEST_F(CharacterLoading, StartUpFailsWhenNoCharacterIsChosen) {
    Create();
    EXPECT_FALSE(front_end->Start(""));
    EXPECT_EQ(view.selection_dialogs, 1);
    EXPECT_THAT(
        view.messages,
        ElementsAre(u"起動に失敗しました\r\n\r\n(エラーメッセージはKiovaErr.logに記録されます)"));
    EXPECT_THAT(ErrorLog(), ElementsAre("## 2024/03/05 10:20:30 [Kiova]: '起動に失敗しました'"));
    front_end->Shutdown();  // nothing loaded: only the settings are written
    EXPECT_THAT(folder.Read("Kiova.ini"), HasSubstr("Speed=55"));
}

TEST_F(CharacterLoading, FirstStartAsksForTheProfileAndCentresTheWindow) {
    std::filesystem::remove(folder.Path() / "Kiova.ini");
    view.on_settings = [this] {
        front_end->ParseUserProfile("Sato\r\nHanako\r\nhana\r\nHana\r\nFemale\r\n1999/12/31");
    };
    Start(WriteGreeter("Alice", "Hi"));
    EXPECT_EQ(view.settings_dialogs, 1);
    EXPECT_EQ(view.position, QPoint((1280 - 550) / 2, (1024 - 200) / 2));
    EXPECT_EQ(Utf16ToUtf8(view.font_name), "ＭＳ ゴシック");
    EXPECT_EQ(view.font_size, 9);
    EXPECT_EQ(timer.interval, 55);
    EXPECT_FALSE(front_end->Settings().plugins_enabled);
    EXPECT_FALSE(front_end->Settings().allow_execute);
    EXPECT_TRUE(front_end->Settings().keep_log);
    EXPECT_EQ(front_end->Character()->User().Myoji, "Sato");
    EXPECT_FALSE(front_end->Character()->User().Male);
    front_end->Shutdown();
    EXPECT_THAT(folder.Read("Kiova.ini"),
                HasSubstr("User=Sato{BR}Hanako{BR}hana{BR}Hana{BR}Female{BR}1999/12/31"));
}

TEST_F(CharacterLoading, WindowPlacementAndSwitchesFromTheSettings) {
    struct Case {
        const char* window;
        QPoint position;
        bool on_top;
    };
    std::string alice = WriteGreeter("Alice", "Hi");
    for (const Case& c : {Case{"Top=5000\r\nLeft=10", QPoint(365, 412), false},
                          Case{"Top=-5\r\nLeft=10", QPoint(365, 412), false},
                          Case{"Top=30\r\nLeft=2000", QPoint(365, 412), false},
                          Case{"Top=30\r\nLeft=10\r\nStayOnTop=1", QPoint(10, 30), true}}) {
        view = TRecordingView();
        folder.Write("Kiova.ini", std::string("[Window]\r\n") + c.window +
                                      "\r\n[Main]\r\nAllowExecute=1\r\nPlugin=1\r\n[User]\r\n" +
                                      kValidProfileLine + "\r\n");
        Start(alice);
        EXPECT_EQ(view.position, c.position) << c.window;
        EXPECT_EQ(view.stay_on_top, c.on_top) << c.window;
        EXPECT_TRUE(front_end->Character()->AllowExecute());
        EXPECT_TRUE(front_end->Character()->PluginsEnabled());
        EXPECT_EQ(front_end->Character()->User().NickName, "Taro");
    }
}

TEST_F(CharacterLoading, FontSizeIsKeptWithinSixToSeventyTwoPoints) {
    std::string alice = WriteGreeter("Alice", "Hi{FONTBIG}");
    // The stored size, then the size after the greeting's FONTBIG.
    for (const auto& [stored, used] : {std::pair{"100000", 72}, {"-3", 7}, {"12", 14}}) {
        folder.Write("Kiova.ini", std::string("[Balloon]\r\nFontSize=") + stored +
                                      "\r\n[User]\r\n" + kValidProfileLine + "\r\n");
        Start(alice);
        PlayOut();
        EXPECT_EQ(view.font_size, used) << stored;
        EXPECT_EQ(front_end->Settings().font_size, used) << stored;
    }
}

TEST_F(CharacterLoading, MissingDefaultPictureIsLoggedAndLeavesTheSmallestLayout) {
    TTestCharacter alice{"Alice", {{kOnGreeting, "Hi"}}, {}, {{"DefaultBitmap", "face.bmp"}}};
    Start(WritePackage(alice));
    EXPECT_THAT(ErrorLog(), ElementsAre("## 2024/03/05 10:20:30 [Kiova]: '" +
                                        (folder / "Alice/face.bmp") + " is not exists.'"));
    EXPECT_TRUE(view.picture.isNull());
    EXPECT_EQ(view.layout.picture_area, QSize(200, 200));
    EXPECT_EQ(view.layout.client, QSize(550, 200));
}

TEST_F(CharacterLoading, PictureSizesTheWindowAndMayBeTransparent) {
    WritePicture("Alice/face.bmp", QSize(300, 400));
    TTestCharacter alice{"Alice",
                         {{kOnGreeting, "Hi"}},
                         {},
                         {{"DefaultBitmap", "face.bmp"}, {"transparentbitmap", "TRUE"}}};
    Start(WritePackage(alice));
    EXPECT_TRUE(ErrorLog().empty());
    EXPECT_EQ(view.picture.size(), QSize(300, 400));
    EXPECT_EQ(view.picture.pixel(0, 399), view.background & RGB_MASK);  // see-through
    EXPECT_EQ(view.layout.client, QSize(650, 400));
    EXPECT_EQ(view.layout.balloon_left, 300);
    EXPECT_EQ(view.layout.balloon_control_left, 340);
}

TEST_F(CharacterLoading, StateFileThatCannotBeReadIsReportedWithItsPath) {
    std::string alice = WriteGreeter("Alice", "Hi");
    std::filesystem::create_directories(folder / "Alice/Alice.kts");  // no file can be there
    Create();
    EXPECT_FALSE(front_end->LoadCharacter(alice));
    EXPECT_EQ(front_end->Character(), nullptr);
    EXPECT_FALSE(view.visible);  // no empty window in the way of the selection dialog
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_THAT(Utf16ToUtf8(view.messages[0]), HasSubstr("Alice.kts"));
    EXPECT_THAT(ErrorLog(), ElementsAre(HasSubstr("Alice.kts")));
}

TEST_F(CharacterLoading, UnreadablePictureIsLoggedAsInvalid) {
    folder.Write("Alice/face.bmp", "BM but not really a bitmap");
    TTestCharacter alice{"Alice", {{kOnGreeting, "Hi"}}, {}, {{"DefaultBitmap", "face.bmp"}}};
    Start(WritePackage(alice));
    EXPECT_THAT(ErrorLog(), ElementsAre(HasSubstr("/Alice/face.bmp is invalid bitmap.'")));
    EXPECT_TRUE(view.picture.isNull());
}

TEST_F(CharacterLoading, BalloonImagesBuiltInOrTheCharactersOwn) {
    TTestCharacter plain{"Alice", {{kOnGreeting, "Hi"}}, {}, {{"transparentballoon", "0"}}};
    Start(WritePackage(plain));
    EXPECT_EQ(view.balloon_image.size(), QSize(350, 200));
    EXPECT_EQ(view.balloon_image.pixel(0, 199), view.background);    // always keyed
    EXPECT_EQ(view.balloon_image.pixel(340, 150), view.background);  // the character's tail is left
    PlayOut();
    front_end->Enter();
    EXPECT_EQ(view.balloon_image.pixel(340, 150), qRgb(255, 255, 255));  // the user's is right

    WritePicture("Bob/char.bmp", QSize(350, 200));
    WritePicture("Bob/user.bmp", QSize(340, 190));
    TTestCharacter own{
        "Bob",
        {{kOnGreeting, "Hi"}},
        {},
        {{"originalballoon", "1"}, {"balloonchar", "char.bmp"}, {"balloonuser", "user.bmp"}}};
    Start(WritePackage(own));
    EXPECT_EQ(view.balloon_image.size(), QSize(350, 200));
    EXPECT_EQ(view.balloon_image.pixel(0, 199), qRgb(255, 0, 0));  // not keyed
    PlayOut();
    front_end->Enter();
    EXPECT_EQ(view.balloon_image.size(), QSize(340, 190));
}

TEST_F(CharacterLoading, PictureCommands) {
    WritePicture("Alice/face.bmp", QSize(200, 200));
    WritePicture("Alice/face2.bmp", QSize(220, 260));
    WritePicture("Alice/a.bmp", QSize(240, 250));
    WritePicture("Alice/base.bmp", QSize(210, 210));
    TTestCharacter alice{"Alice",
                         {{kOnGreeting, "{pic:Face2.bmp}x{PIC:a{x}.bmp}y{SETDEFBITMAP:base.bmp}z"}},
                         {},
                         {{"DefaultBitmap", "face.bmp"}}};
    Start(WritePackage(alice));
    EXPECT_EQ(front_end->DefaultPicture().size(), QSize(200, 200));
    Tick();
    EXPECT_EQ(view.picture.size(), QSize(220, 260));
    EXPECT_EQ(view.layout.client, QSize(570, 260));
    Tick(2);
    EXPECT_EQ(view.picture.size(), QSize(240, 250));
    Tick(2);
    EXPECT_EQ(front_end->DefaultPicture().size(), QSize(210, 210));
    EXPECT_EQ(front_end->Picture().size(), QSize(210, 210));
    EXPECT_EQ(view.picture.size(), QSize(240, 250));  // shown at the next repaint
    PlayOut();
    EXPECT_EQ(view.picture.size(), QSize(210, 210));
    EXPECT_THAT(ErrorLog(), ElementsAre());
}

TEST_F(CharacterLoading, TypedLineStartsFromTheDefaultPicture) {
    WritePicture("Alice/face.bmp", QSize(200, 200));
    WritePicture("Alice/smile.bmp", QSize(260, 260));
    TTestCharacter alice{"Alice",
                         {{kOnGreeting, "{PIC:smile.bmp}Hi"}},
                         {{"HELLO", "Hey"}},
                         {{"DefaultBitmap", "face.bmp"}}};
    Start(WritePackage(alice));
    PlayOut();
    EXPECT_EQ(view.picture.size(), QSize(260, 260));
    front_end->Enter();
    Type(u"hello");
    EXPECT_EQ(view.picture.size(), QSize(200, 200));
}

TEST_F(CharacterLoading, PattingActionIsSentAfterTheTypedText) {
    TTestCharacter cat{"Cat",
                       {{kOnGreeting, "Meow"}},
                       {{"ABCPATHEAD", "Purr"}},
                       {{"nadenade", "1"}, {"datanadenade", "pat.txt"}}};
    folder.Write("Cat/pat.txt", "Head,PatHead\r\nTail,PatTail\r\n");
    Start(WritePackage(cat));
    EXPECT_THAT(view.patting_captions, ElementsAre(u"Head", u"Tail"));
    front_end->ChoosePattingAction(0);  // still answering: nothing happens
    EXPECT_EQ(State(), bsResponding);
    PlayOut();
    front_end->ChoosePattingAction(0);  // answered but not listening: nothing either
    EXPECT_EQ(State(), bsAnswered);
    front_end->Enter();
    view.balloon_text = u"abc";
    front_end->ChoosePattingAction(0);
    EXPECT_EQ(State(), bsResponding);
    EXPECT_EQ(view.activations, 1);
    EXPECT_EQ(PlayOut().back(), u"Purr");
    EXPECT_EQ(ChatLog()[2], "abcPatHead");
}

TEST_F(CharacterLoading, CharacterWithoutPattingOffersNothing) {
    Start(WriteGreeter("Alice", "Hi"));
    EXPECT_THAT(view.patting_captions, ElementsAre(u"なでなで未対応人格"));
    PlayOut();
    front_end->Enter();
    front_end->ChoosePattingAction(0);
    EXPECT_EQ(State(), bsListening);
}

TEST_F(CharacterLoading, MissingPattingFileIsReportedAndTheCharacterStays) {
    TTestCharacter cat{
        "Cat", {{kOnGreeting, "Meow"}}, {}, {{"nadenade", "1"}, {"datanadenade", "gone.txt"}}};
    Start(WritePackage(cat));
    EXPECT_EQ(front_end->Character()->Name(), "Cat");
    EXPECT_TRUE(view.patting_captions.empty());
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_THAT(Utf16ToUtf8(view.messages[0]), HasSubstr("gone.txt"));
    EXPECT_FALSE(view.splash_visible);
    EXPECT_TRUE(view.visible);
}

// However the switch comes, a character whose patting file is gone is switched to: the error
// is logged and shown, the conversation goes on, and shutdown keeps the character list.
TEST_F(CharacterLoading, SwitchToCharacterWithoutItsPattingFileGoesOn) {
    TTestCharacter cat{"Cat",
                       {{kOnGreeting, "Meow"}},
                       {{"HELLO", "Purr"}},
                       {{"nadenade", "1"}, {"datanadenade", "gone.txt"}}};
    const std::string cat_path = WritePackage(cat);
    const std::vector<std::function<void()>> ways = {
        [&] {
            ChooseInDialog("Cat");
            front_end->ChangeCharacter();
        },
        [&] {
            front_end->Enter();
            Type(u"readcharacter:" + AnsiToUtf16(cat_path));
        },
        [&] { Start(WriteGreeter("Carol", "Off I go{READCHARACTER:" + cat_path + "}")); },
    };
    for (const std::function<void()>& way : ways) {
        TTestCharacter alice{"Alice", {{kOnGreeting, "Hi"}, {kOnSwitchRequest, "Bye"}}, {}, {}};
        Start(WritePackage(alice));
        PlayOut();
        view.messages.clear();
        way();
        PlayOut();
        ASSERT_EQ(front_end->Character()->Name(), "Cat");
        EXPECT_EQ(view.balloon_text, u"Meow");
        ASSERT_EQ(view.messages.size(), 1U);
        EXPECT_THAT(ErrorLog(), Contains(HasSubstr("gone.txt")));
        front_end->Enter();
        Type(u"hello");
        EXPECT_EQ(PlayOut().back(), u"Purr");
        front_end->Shutdown();
        EXPECT_THAT(ChatLog().back(), HasSubstr("End chatting with Cat"));
        EXPECT_THAT(TCharacterList(ProgramFolder() + "Kiova.ini").Paths(), Contains(cat_path));
        front_end.reset();
    }
}

TEST_F(CharacterLoading, TrayTipKeepsItsTextForALongCaption) {
    Start(WriteGreeter("Alice", "Hi"));
    std::string long_name(60, 'x');  // the caption has 68 bytes
    ASSERT_TRUE(front_end->LoadCharacter(WriteGreeter(long_name, "Hi")));
    EXPECT_EQ(view.caption, Utf8ToUtf16(long_name + " - Kiova"));
    EXPECT_EQ(view.tray_tip, u"Alice - Kiova");
}

TEST_F(CharacterLoading, ProfileAndSwitchesReachTheLoadedCharacter) {
    Start(WriteGreeter("Alice", "Hi"));
    TUser user{"Sato", "Hanako", "hana", "Hana", false, *EncodeDate(1999, 12, 31)};
    front_end->SetUserProfile(user);
    front_end->SetAllowExecute(true);
    front_end->SetPluginsEnabled(true);
    EXPECT_EQ(front_end->Character()->User(), user);
    EXPECT_TRUE(front_end->Character()->AllowExecute());
    EXPECT_TRUE(front_end->Character()->PluginsEnabled());
}

TEST_F(CharacterLoading, DialogsSuspendThePlayerAndRestoreItsState) {
    Start(WriteGreeter("Alice", "Hello"));
    Tick();
    view.on_settings = [this] {
        EXPECT_EQ(State(), bsSuspended);
        Tick(3);  // ticks arrive while the dialog is open; the player rests
    };
    front_end->ShowSettingsDialog();
    EXPECT_EQ(State(), bsResponding);
    EXPECT_EQ(view.balloon_text, u"H");
    EXPECT_EQ(PlayOut().back(), u"Hello");
    EXPECT_THAT(ChatLog(), ElementsAre(_, "Hello"));
}

}  // namespace
}  // namespace kiova::testing
