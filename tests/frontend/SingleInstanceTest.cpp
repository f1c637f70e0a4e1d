// One process per character, different characters side by side: the lock a running character
// holds, the hand-over to the process that runs it, and the settings file they share.
#include <gmock/gmock.h>

#include "Character.h"
#include "CharacterList.h"
#include "CharacterLock.h"
#include "ComeForwardSocket.h"
#include "FrontEndFixture.h"
#include "IniFile.h"

namespace kiova::testing {
namespace {
using ::testing::ElementsAre;

TEST(CharacterLock, TheSameCharacterIsHeldOnceUnderEverySpellingOfItsPath) {
    TempFolder folder;
    std::string program = folder.Path().string() + "/";
    std::string alice = folder.Write("Alice.ktc", "name\r\nAlice\r\n");
    std::optional<TCharacterLock> running = TCharacterLock::Take(program, alice, {});
    ASSERT_TRUE(running);
    EXPECT_FALSE(TCharacterLock::Take(program, program + "./Alice.ktc", {}));
    EXPECT_TRUE(CharacterRunsElsewhere(program, alice));
    EXPECT_TRUE(TCharacterLock::Take(program, folder.Write("Bob.ktc", "name\r\nBob\r\n"), {}));

    // Loaded again by the process that runs it: the new lock shares the old one.
    std::optional<TCharacterLock> reloaded = TCharacterLock::Take(program, alice, *running);
    ASSERT_TRUE(reloaded);
    running.reset();
    EXPECT_TRUE(CharacterRunsElsewhere(program, alice));
    reloaded.reset();
    EXPECT_FALSE(CharacterRunsElsewhere(program, alice));
}

TEST(CharacterLock, ASecondStartReachesTheRunningProcessFromADeepFolder) {
    TempFolder folder;
    std::string deep = "program";  // deeper than a socket address can name
    for (int i = 0; i < 8; ++i) deep += "/" + std::string(20, 'd');
    std::string alice = folder.Write(deep + "/Alice.ktc", "name\r\nAlice\r\n");
    std::string program = folder / deep + "/";
    EXPECT_FALSE(AskToComeForward(program, alice));  // nobody runs it

    TComeForwardSocket listening(program);
    ASSERT_GE(listening.Fd(), 0);
    std::optional<TCharacterLock> running = TCharacterLock::Take(program, alice, {});
    EXPECT_FALSE(listening.TakeRequests());
    EXPECT_TRUE(AskToComeForward(program, alice));
    EXPECT_TRUE(listening.TakeRequests());
}

// Two front ends in one folder stand for two processes.
class TwoCharacters : public FrontEndFixture {
protected:
    TFrontEnd& Second() {
        second = std::make_unique<TFrontEnd>(
            TFrontEndSetup{ProgramFolder(), ProgramFolder() + "chat.log"}, second_view,
            second_sound, second_timer);
        return *second;
    }

    TRecordingView second_view;
    TManualTimer second_timer;
    TRecordingSound second_sound;
    std::unique_ptr<TFrontEnd> second;
};

TEST_F(TwoCharacters, TheSameCharacterDoesNotLoadTwice) {
    std::string alice = WriteGreeter("Alice", "Hi");
    Start(alice);
    ASSERT_TRUE(Second().Start(WriteGreeter("Bob", "Hello")));
    EXPECT_FALSE(second->LoadCharacter(alice));
    EXPECT_EQ(second->Character()->Name(), "Bob");
    EXPECT_THAT(ErrorLog(), ::testing::Contains(::testing::HasSubstr("runs in another process")));
}

TEST_F(TwoCharacters, EachWritesBackOnlyTheSettingsItChanged) {
    Start(WriteGreeter("Alice", "Hi"));
    ASSERT_TRUE(Second().Start(WriteGreeter("Bob", "Hello")));
    second->SetInterval(99);
    second->Shutdown();
    front_end->SetKeepLog(false);
    front_end->Shutdown();

    TIniFile settings(ProgramFolder() + "Kiova.ini");
    EXPECT_EQ(settings.Read("Balloon", "Speed"), "99");
    EXPECT_EQ(settings.Read("Log", "Keep"), "0");
}

TEST_F(TwoCharacters, EachKeepsTheOthersChangesToTheCharacterList) {
    std::string alice = WriteGreeter("Alice", "Hi");
    std::string bob = WriteGreeter("Bob", "Hi");
    std::string carol = WriteGreeter("Carol", "Hi");
    folder.Write("Kiova.ini", "[Character]\r\nChar1=" + alice + "\r\nChar2=" + carol + "\r\n");
    TCharacterList first(ProgramFolder() + "Kiova.ini");
    TCharacterList second_list(ProgramFolder() + "Kiova.ini");
    second_list.AddCharacter(bob);
    second_list.Save();
    first.Paths().pop_back();  // Carol leaves
    first.Save();
    EXPECT_THAT(first.Paths(), ElementsAre(alice, bob));
    EXPECT_THAT(ReadCharacterList(ProgramFolder() + "Kiova.ini"), ElementsAre(alice, bob));
}

}  // namespace
}  // namespace kiova::testing
