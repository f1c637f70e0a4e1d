// The balloon player driven through the timer and the Enter key, with characters written by
// the tests and a clock that moves only when told.
#include <gmock/gmock.h>
#include <sys/stat.h>

#include <filesystem>

#include "Character.h"
#include "CodePage.h"
#include "FrontEndFixture.h"

namespace kiova::testing {
namespace {
using enum TBalloonState;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

using PlayerScenario = FrontEndFixture;

TEST_F(PlayerScenario, GreetingAppearsOneLetterPerTickAndIsLogged) {
    Start(WriteGreeter("Alice", "Hello"));
    EXPECT_EQ(State(), bsResponding);
    EXPECT_TRUE(view.balloon_read_only);
    EXPECT_THAT(PlayOut(), ElementsAre(u"H", u"He", u"Hel", u"Hell", u"Hello"));
    EXPECT_EQ(State(), bsAnswered);
    EXPECT_THAT(ChatLog(),
                ElementsAre("## 2024/03/05 10:20:30 # Start chatting with Alice", "Hello"));
}

TEST_F(PlayerScenario, TypedLineIsAnsweredAndBothAreLogged) {
    Start(WriteGreeter("Alice", "Hello", {{"HELLO", "Hi{BR}there"}}));
    PlayOut();
    front_end->Enter();  // the balloon opens for typing
    EXPECT_EQ(State(), bsListening);
    EXPECT_EQ(view.balloon_text, u"");
    EXPECT_FALSE(view.balloon_read_only);
    Type(u"hello\r\n");
    EXPECT_EQ(State(), bsResponding);
    EXPECT_THAT(PlayOut(), ElementsAre(u"H", u"Hi", u"Hi", u"Hi\r\nt", u"Hi\r\nth", u"Hi\r\nthe",
                                       u"Hi\r\nther", u"Hi\r\nthere"));
    EXPECT_THAT(ChatLog(), ElementsAre(::testing::_, "Hello", "hello", "Hi{BR}there"));
}

TEST_F(PlayerScenario, EmptyAnswerEndsAtTheFirstTick) {
    Start(WriteGreeter("Alice", "Hello"));
    PlayOut();
    front_end->Enter();
    Type(u"nobody answers this");
    EXPECT_EQ(State(), bsResponding);
    Tick();
    EXPECT_EQ(State(), bsAnswered);
    EXPECT_EQ(front_end->Player().NextIndex(), 0u);
}

TEST_F(PlayerScenario, CommandsShowTheirEffectTickByTick) {
    struct Case {
        const char* answer;
        std::vector<std::u16string> shown;
    };
    const Case cases[] = {
        {"Hello{DELAY:2}!",
         {u"H", u"He", u"Hel", u"Hell", u"Hello", u"Hello", u"Hello", u"Hello", u"Hello!"}},
        {"{...}ab", {u"", u"", u"", u"", u"a", u"ab"}},
        {"{．．．}ab", {u"", u"", u"", u"", u"a", u"ab"}},
        {"{DELAY:x}{DELAY:-4}a", {u"", u"", u"a"}},
        {"a{$:bc}d", {u"a", u"abc", u"abcd"}},
        {"ab{^H}c", {u"a", u"ab", u"a", u"ac"}},
        {"{^H}a", {u"", u"a"}},
        {"a{BR}{^H}b", {u"a", u"a", u"a", u"ab"}},
        {"{HELLO}{}{{x}}ok", {u"", u"", u"", u"o", u"ok"}},
        {"｛x｝", {u"｛", u"｛x", u"｛x｝"}},
        {"a{CLEAR}b", {u"a", u"a", u"b"}},
        {"a{BR}b{ｃｌｅａｒ}c{^H}", {u"a", u"a", u"a\r\nb", u"a\r\nb", u"\r\nc", u"\r\n"}},
        {"ab{SOUNDX:a.wav}{SOUND:a.wav}", {u"a", u"ab", u"ab", u"ab"}},
    };
    for (const Case& c : cases) {
        view = TRecordingView();  // a greeting does not clear what the balloon showed before
        Start(WriteGreeter("Alice", c.answer));
        EXPECT_THAT(PlayOut(), ElementsAreArray(c.shown)) << c.answer;
        EXPECT_EQ(State(), bsAnswered) << c.answer;
        // Skipped, the changes reach the balloon at once and leave the same text.
        view = TRecordingView();
        Start(WriteGreeter("Alice", c.answer));
        front_end->Enter();
        EXPECT_EQ(view.balloon_text, c.shown.back()) << c.answer;
    }
    EXPECT_TRUE(sound.played.empty());
}

// Each letter reaches the balloon once, not the whole text again at every letter, so an answer
// plays and skips in time linear in its length.
TEST_F(PlayerScenario, LongAnswerIsHandedToTheBalloonLetterByLetter) {
    std::string answer;
    for (int i = 0; i < 5000; ++i) answer += i % 50 == 49 ? "{BR}" : "x";
    Start(WriteGreeter("Alice", answer, {{"AGAIN", answer}}));
    PlayOut(10000);
    const size_t shown = view.balloon_text.size();
    EXPECT_EQ(shown, 4900U + 2 * 99);
    EXPECT_LE(view.balloon_units_handed, shown);
    front_end->Enter();
    Type(u"again");
    view.balloon_units_handed = 0;
    Tick();
    front_end->Enter();  // the rest at once
    EXPECT_EQ(view.balloon_text.size(), shown);
    EXPECT_LE(view.balloon_units_handed, shown);
}

// A million output commands, each after a letter: skipping runs each command once, in one pass,
// and hands the balloon what it shows in one update. A pass that moved the rest of the answer
// at each command would not end within the test's time limit.
TEST_F(PlayerScenario, AnswerOfAMillionCommandsIsSkippedInOnePass) {
    constexpr const char* kCommands[] = {"{DELAY:1}", "{...}", "{$:y}", "{^H}"};
    std::string answer;
    constexpr int kLines = 25'000;  // of 40 units: a million
    for (int i = 0; i < 40 * kLines; ++i)
        answer += i % 40 == 39 ? "{BR}" : "x" + std::string(kCommands[i % 4]);
    Start(WriteGreeter("Alice", answer));
    Tick();
    view.balloon_updates = 0;
    front_end->Enter();
    EXPECT_EQ(State(), bsAnswered);
    EXPECT_EQ(view.balloon_updates, 1);
    // Each line's 39 units show xxxy ten times: every fourth command takes its letter back.
    const std::u16string& shown = view.balloon_text;
    EXPECT_EQ(shown.size(), 40 * kLines + 2 * (kLines - 1));
    EXPECT_EQ(shown.substr(0, 42), u"xxxyxxxyxxxyxxxyxxxyxxxyxxxyxxxyxxxyxxxy\r\n");
}

TEST_F(PlayerScenario, WaitShowsItsMarkerUntilEnter) {
    Start(WriteGreeter("Alice", "ab{WAITRETURN}c{WAITRETURN:*}d"));
    Tick(3);
    EXPECT_EQ(view.balloon_text, u"ab▼");
    Tick(5);
    EXPECT_EQ(view.balloon_text, u"ab▼");
    EXPECT_TRUE(front_end->Player().WaitingForReturn());
    front_end->Enter();
    EXPECT_EQ(view.balloon_text, u"ab");
    EXPECT_THAT(PlayOut(), ElementsAre(u"abc", u"abc*"));
    EXPECT_EQ(State(), bsResponding);
    front_end->Enter();
    EXPECT_THAT(PlayOut(), ElementsAre(u"abcd"));
    EXPECT_EQ(State(), bsAnswered);
}

TEST_F(PlayerScenario, WaitAtTheEndStaysPendingIntoTheNextAnswer) {
    Start(WriteGreeter("Alice", "a{WAITRETURN}", {{"HELLO", "Hi"}}));
    EXPECT_THAT(PlayOut(), ElementsAre(u"a", u"a▼"));
    EXPECT_EQ(State(), bsAnswered);
    front_end->Enter();
    Type(u"hello");
    Tick(3);
    EXPECT_EQ(view.balloon_text, u"");
    front_end->Enter();  // ends the wait; there is no marker to remove
    EXPECT_THAT(PlayOut(), ElementsAre(u"H", u"Hi"));
}

TEST_F(PlayerScenario, EnterFastForwardsToTheEndOrToAWait) {
    Start(WriteGreeter("Alice", "Hello{DELAY:50} world{...}!{WAITRETURN}More{BR}text"));
    Tick();
    front_end->Enter();
    EXPECT_EQ(view.balloon_text, u"Hello world!▼");
    EXPECT_EQ(State(), bsResponding);
    EXPECT_EQ(front_end->Player().DelayTicks(), 0);
    front_end->Enter();
    EXPECT_EQ(view.balloon_text, u"Hello world!");
    front_end->Enter();
    EXPECT_EQ(view.balloon_text, u"Hello world!More\r\ntext");
    EXPECT_EQ(State(), bsAnswered);
    EXPECT_THAT(ChatLog(), ElementsAre(::testing::_, "Hello world!More{BR}text"));
}

TEST_F(PlayerScenario, TimerArmsADeferredInput) {
    struct Case {
        const char* answer;
        bool armed;
        const char16_t* input;
    };
    for (const Case& c :
         {Case{"{TIMER30|alarm}", true, u"alarm"}, Case{"{TIMER 30|Alarm}", true, u"Alarm"},
          Case{"{TIMER0|x}", false, u""}, Case{"{TIMERx|y}", false, u""},
          Case{"{TIMER5|x}{TIMER30|alarm}", true, u"alarm"},
          Case{"{TIMER5|x}{CANCELTIMER}", false, u""}}) {
        Start(WriteGreeter("Alice", c.answer));
        PlayOut();
        EXPECT_EQ(front_end->Player().TimerArmed(), c.armed) << c.answer;
        if (!c.armed) continue;
        EXPECT_EQ(front_end->Player().TimerInput(), c.input);
        EXPECT_DOUBLE_EQ(front_end->Player().TimerDue(), kTestStart + 30 / 86400.0);
    }
}

TEST_F(PlayerScenario, DeferredInputIsAnsweredWhenDueAndTheCharacterIsSilent) {
    Start(WriteGreeter("Alice", "{TIMER30|alarm}abc", {{"ALARM", "Wake{BR}up"}}));
    Tick();
    SetNow(kTestStart + 40 / 86400.0);
    Tick();  // still speaking: the tick plays a letter
    EXPECT_EQ(view.balloon_text, u"a");
    PlayOut();
    view.visible = false;
    SetNow(kTestStart + 29 / 86400.0);
    Tick();
    EXPECT_EQ(State(), bsAnswered);
    SetNow(kTestStart + 30 / 86400.0);
    Tick();
    EXPECT_EQ(State(), bsResponding);
    EXPECT_FALSE(front_end->Player().TimerArmed());
    EXPECT_EQ(view.balloon_text, u"");
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.activations, 1);
    const std::vector<std::u16string> shown = PlayOut();
    ASSERT_FALSE(shown.empty()) << "the deferred input was not answered";
    EXPECT_EQ(shown.back(), u"Wake\r\nup");
}

// The windows stop their timer when nothing is due; a tick that is never asked for must never
// be needed.
TEST_F(PlayerScenario, TicksAreAskedForOnlyWhileSomethingIsDue) {
    Start(WriteGreeter("Alice", "a{WAITRETURN}b{TIMER30|alarm}", {{"ALARM", "Wake"}}));
    EXPECT_EQ(front_end->NextTickDelay(), kDefaultInterval);
    PlayOut();
    ASSERT_TRUE(front_end->Player().WaitingForReturn());
    EXPECT_EQ(front_end->NextTickDelay(), std::nullopt);
    front_end->Enter();
    PlayOut();
    ASSERT_EQ(State(), bsAnswered);
    SetNow(kTestStart + 10 / 86400.0);
    EXPECT_EQ(front_end->NextTickDelay(), 20000);
    SetNow(kTestStart + 31 / 86400.0);
    EXPECT_EQ(front_end->NextTickDelay(), 0);
    Tick();
    EXPECT_EQ(State(), bsResponding);
    PlayOut();
    EXPECT_EQ(front_end->NextTickDelay(), std::nullopt);
    front_end->Close();
    EXPECT_EQ(front_end->NextTickDelay(), std::nullopt);
}

TEST_F(PlayerScenario, DeferredInputWithoutAnswerReturnsToTheFormerState) {
    Start(WriteGreeter("Alice", "{TIMER1|nothing}ok"));
    PlayOut();
    front_end->Enter();
    view.balloon_text = u"half typed";
    SetNow(kTestStart + 2 / 86400.0);
    Tick();
    EXPECT_EQ(State(), bsListening);
    EXPECT_FALSE(front_end->Player().TimerArmed());
    // Leaving the typing state logs what was typed.
    const std::vector<std::string> log = ChatLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "half typed");
}

TEST_F(PlayerScenario, SkipAbandonsTheAnswerForTheAnswerToItsText) {
    Start(WriteGreeter("Alice", "ab{SKIP:jump}cd", {{"JUMP", "Landed"}}));
    EXPECT_THAT(PlayOut(),
                ElementsAre(u"a", u"ab", u"", u"L", u"La", u"Lan", u"Land", u"Lande", u"Landed"));
    EXPECT_THAT(ChatLog(), ElementsAre(::testing::_, "ab", "Landed"));
}

TEST_F(PlayerScenario, SpeedAndFontCommandsRoundHalvesToEven) {
    struct Case {
        const char* answer;
        int interval;
        int font_size;
    };
    for (const Case& c :
         {Case{"{SPEEDFAST}", 66, 9}, Case{"{SPEEDSLOW}", 46, 9}, Case{"{FONTBIG}", 55, 11},
          Case{"{FONTSMALL}", 55, 8}, Case{"{SPEEDFAST}{SPEEDFAST}", 79, 9}}) {
        Start(WriteGreeter("Alice", c.answer));
        PlayOut();
        EXPECT_EQ(timer.interval, c.interval) << c.answer;
        EXPECT_EQ(front_end->Settings().interval, c.interval) << c.answer;
        EXPECT_EQ(view.font_size, c.font_size) << c.answer;
    }
}

TEST_F(PlayerScenario, SoundsPlayFromTheDataFolderUnlessSoundIsOff) {
    std::string package = WriteGreeter("Alice", "{SOUNDA:ring.wav}{sounds:Bell.WAV}.");
    folder.Write("Alice/ring.wav", "ring");
    folder.Write("Alice/bell.wav", "bell");
    Start(package);
    PlayOut();
    EXPECT_THAT(sound.played, ElementsAre("ring", "bell"));  // found in any case

    sound.played.clear();
    front_end.reset();
    folder.Write("Kiova.ini",
                 std::string("[Main]\r\nPlaySound=0\r\n[User]\r\n") + kValidProfileLine + "\r\n");
    Start(package);
    PlayOut();
    EXPECT_TRUE(sound.played.empty());
}

// A synchronous sound holds the answer while it plays, never longer than ten seconds whatever
// its file claims, and the program goes on ticking meanwhile (a tick is due when it ends).
TEST_F(PlayerScenario, SynchronousSoundHoldsTheAnswerAtMostTenSeconds) {
    folder.Write("Alice/long.wav", "claims two hours");
    Start(WriteGreeter("Alice", "a{SOUNDS:long.wav}b{SOUNDA:long.wav}c"));
    sound.lasts_ms = 7'200'000;
    EXPECT_THAT(PlayOut(3), ElementsAre(u"a", u"a", u"a"));
    EXPECT_EQ(front_end->NextTickDelay(), 10'000);
    front_end->Enter();  // a skip waits for the sound too, then goes on by itself
    EXPECT_EQ(view.balloon_text, u"a");
    SetNow(kTestStart + 9.9 / 86400);
    EXPECT_THAT(PlayOut(1), ElementsAre(u"a"));
    EXPECT_EQ(front_end->NextTickDelay(), 100);
    SetNow(kTestStart + 10.001 / 86400);
    Tick();
    EXPECT_EQ(view.balloon_text, u"abc");  // an asynchronous sound holds nothing
    EXPECT_EQ(State(), bsAnswered);
}

// A FIFO would block the program for ever and a huge file exhaust its memory: both are refused
// before they are opened for reading, and logged.
TEST_F(PlayerScenario, SoundThatIsNoRegularFileOrTooLargeIsRefusedAndLogged) {
    std::string package =
        WriteGreeter("Alice", "{SOUNDS:fifo.wav}{SOUNDA:huge.wav}{SOUNDA:fine.wav}.");
    ASSERT_EQ(mkfifo((folder / "Alice/fifo.wav").c_str(), 0600), 0);
    std::filesystem::resize_file(folder.Write("Alice/huge.wav", ""), (64 << 20) + 1);
    folder.Write("Alice/fine.wav", "fine");
    Start(package);
    PlayOut();
    EXPECT_THAT(sound.played, ElementsAre("fine"));
    EXPECT_THAT(ErrorLog(), Contains(AllOf(HasSubstr("fifo.wav"), HasSubstr("no regular file"))));
    EXPECT_THAT(ErrorLog(), Contains(AllOf(HasSubstr("huge.wav"), HasSubstr("too large"))));
}

TEST_F(PlayerScenario, PicturesAndSoundsOutsideTheDataFolderAreMissingAndLogged) {
    folder.Write("secret.wav", "x");  // beside the data folder "Alice", in the program folder
    Start(
        WriteGreeter("Alice", "{SOUNDA:..\\secret.wav}{SOUNDS:/etc/hostname}{PIC:../Kiova.ini}."));
    PlayOut();
    EXPECT_TRUE(sound.played.empty());
    const std::vector<std::string> log = ErrorLog();
    for (const char* name : {"..\\secret.wav", "/etc/hostname", "../Kiova.ini"})
        EXPECT_TRUE(std::any_of(log.begin(), log.end(), [name](const std::string& entry) {
            return entry.find(std::string("\"") + name + "\" lies outside") != std::string::npos;
        })) << name;
}

TEST_F(PlayerScenario, WindowCommandsShowAndHide) {
    Start(WriteGreeter("Alice", "{ICONIZE}a{ICONIZE}b{SHOWWINDOW}"));
    view.patting_visible = true;
    Tick();
    EXPECT_FALSE(view.visible);
    EXPECT_FALSE(view.patting_visible);
    Tick(2);
    EXPECT_TRUE(view.visible);
    PlayOut();
    EXPECT_EQ(view.activations, 1);
}

TEST_F(PlayerScenario, QuitSystemClosesWithTheFarewell) {
    TTestCharacter alice{
        "Alice", {{kOnGreeting, "bye{QUITSYSTEM}"}, {kOnClose, "Farewell{PIC:x.bmp}!"}}, {}, {}};
    Start(WritePackage(alice));
    PlayOut();
    EXPECT_EQ(State(), bsAnswered);
    EXPECT_TRUE(view.quit_requested);
    EXPECT_THAT(view.messages, ElementsAre(u"Farewell!"));
    Tick();
    view.balloon_text = u"";
    front_end->Enter();  // the window has closed: keys do nothing
    EXPECT_EQ(State(), bsAnswered);
    front_end->Close();  // the window's own close handling: the farewell is not said twice
    EXPECT_EQ(view.messages.size(), 1u);
    front_end->Shutdown();
    EXPECT_THAT(ChatLog(), ElementsAre(::testing::_, "bye", "Farewell!",
                                       "## 2024/03/05 10:20:30 # End chatting with Alice"));
}

TEST_F(PlayerScenario, ClosingWithoutFarewellShowsNothing) {
    Start(WriteGreeter("Alice", "hi"));
    PlayOut();
    front_end->Close();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(ChatLog().size(), 2u);
}

TEST_F(PlayerScenario, NoConversationLogWhenKeepIsOff) {
    folder.Write("Kiova.ini",
                 std::string("[Log]\r\nKeep=0\r\n[User]\r\n") + kValidProfileLine + "\r\n");
    Start(WriteGreeter("Alice", "Hello"));
    PlayOut();
    front_end->Shutdown();
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "chat.log"));
}

}  // namespace
}  // namespace kiova::testing
