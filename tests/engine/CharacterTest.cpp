#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "Character.h"
#include "Clock.h"
#include "CodePage.h"
#include "KiovaError.h"
#include "ScopedEnvironment.h"
#include "TestCharacter.h"

namespace kiova {
namespace {

using testing::TestCharacter;

std::string Repeat(std::string_view line, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += std::string(line) + "\r\n";
    return result;
}

std::string Say(TCharacter& character, std::u16string_view input, uint8_t mask = kTableMaskAll) {
    return Utf16ToAnsi(character.Respond(input, mask));
}

std::string CreationError(const std::string& package_path) {
    try {
        TCharacter character(package_path);
    } catch (const EKiovaInvalidCharacter& error) {
        return error.what();
    }
    return "created";
}

TEST(Character, CreationRefusesInvalidPackagesWithTheirReason) {
    struct Case {
        const char* what;
        void (*prepare)(TestCharacter&);
        const char* message;
    };
    const Case cases[] = {
        {"no package", [](TestCharacter&) {}, "characterfile is not found"},
        {"neither name nor folder",
         [](TestCharacter& c) { c.Folder().Write("alice.ktc", "version\r\n210\r\n"); },
         "characterfile is invalid"},
        {"version 209",
         [](TestCharacter& c) {
             c.Set("version", "209").Data("datac2", "c.txt", {"x"});
             c.Write();
         },
         "character is not supported in this version"},
        {"version not an integer",
         [](TestCharacter& c) {
             c.Set("version", "2.10").Data("datac2", "c.txt", {"x"});
             c.Write();
         },
         "character is not supported in this version"},
        {"only missing data files",
         [](TestCharacter& c) {
             c.AddDataFile("data01", "gone.txt").AddDataFile("datac2", "gone.txt").Write();
         },
         "character contains no data"},
        {"only markers",
         [](TestCharacter& c) {
             c.Data("datac1", "c.txt", {"{PRIOR}", "{prior}"})
                 .Data("datab2", "b.txt", {"{PRIOR},x"});
             c.Write();
         },
         "character contains no data"},
        {"version 210 with data",
         [](TestCharacter& c) {
             c.Data("datac2", "c.txt", {"x"});
             c.Write();
         },
         "created"},
    };
    for (const Case& test : cases) {
        TestCharacter character;
        test.prepare(character);
        EXPECT_EQ(CreationError(character.PackagePath()), test.message) << test.what;
        if (std::string_view(test.message) != "created") {
            EXPECT_FALSE(std::filesystem::exists(character.StatePath())) << test.what;
        }
    }
}

TEST(Character, StateFileBytesForAKnownName) {
    TestCharacter alice("Alice");
    alice.Data("datac2", "c.txt", {"x"});
    {
        TCharacter character(alice.Write());
        // Written at creation, before the name is known: plain lines behind a bare header.
        EXPECT_EQ(alice.ReadState(),
                  "encrypted\r\n" + Repeat("", 50) + Repeat("0", 50) + Repeat("False", 50));
        character.Variables().strings[50] = "Hi";
        character.Variables().numbers[51] = 1.5;
        character.Variables().flags[99] = true;
    }
    // "Alice" gives the key bytes 5 8 5 19 1; the header carries it under the fixed key.
    EXPECT_EQ(alice.ReadState(), "encryptedRwtmm\r\nMq\r\n" + Repeat("", 49) + "5\r\n66:\r\n" +
                                     Repeat("5", 48) +
                                     Repeat("Kiq\x86"
                                            "f",
                                            49) +
                                     "Yzzx\r\n");
}

TEST(Character, PersistentVariablesSurviveTwoLives) {
    TestCharacter alice("Alice");
    alice.Data("datac2", "c.txt", {"x"});
    const std::string japanese = Utf8ToAnsi("こんにちは、世界");
    {
        TCharacter first(alice.Write());
        TCharacterVariables& v = first.Variables();
        v.strings[50] = japanese;
        v.strings[99] = "a\tb";
        v.strings[10] = "not kept";
        v.numbers[50] = -2.5e20;
        v.numbers[75] = 0.1;
        v.numbers[49] = 7;
        v.flags[60] = true;
        v.flags[0] = true;
    }
    TCharacter second(alice.PackagePath());
    const TCharacterVariables& v = second.Variables();
    EXPECT_EQ(v.strings[50], japanese);
    // A tab lies outside the cipher's byte range and comes back as another byte.
    EXPECT_EQ(v.strings[99],
              "a\xE9"
              "b");
    EXPECT_EQ(v.strings[10], "");
    EXPECT_EQ(v.numbers[50], -2.5e20);
    EXPECT_EQ(v.numbers[75], 0.1);
    EXPECT_EQ(v.numbers[49], 0);
    EXPECT_TRUE(v.flags[60]);
    EXPECT_FALSE(v.flags[0]);
    EXPECT_FALSE(v.flags[61]);
}

TEST(Character, NamelessCharacterNeverRewritesItsStateFile) {
    TestCharacter nameless("");
    nameless.Data("datac2", "c.txt", {"x"});
    std::string initial;
    {
        TCharacter character(nameless.Write());
        EXPECT_EQ(character.Name(), "");
        initial = nameless.ReadState();
        character.Variables().strings[50] = "changed";
    }
    EXPECT_EQ(nameless.ReadState(), initial);
}

TEST(Character, ShortOrUnconvertibleStateFileLeavesVariablesCleared) {
    TestCharacter alice("Alice");
    alice.Data("datac2", "c.txt", {"x"});
    alice.WriteDataFile("alice.kts", Repeat("kept?", 149));
    {
        TCharacter character(alice.Write());
        EXPECT_EQ(character.Variables().strings[50], "");
    }
    alice.WriteDataFile("alice.kts", Repeat("text", 50) + Repeat("1.5.5", 50) + Repeat("1", 50));
    TCharacter character(alice.PackagePath());
    EXPECT_EQ(character.Variables().strings[50], "text");
    EXPECT_EQ(character.Variables().numbers[50], 0);
    EXPECT_TRUE(character.Variables().flags[50]);
}

TEST(Character, LineBreaksInTextsNeverShiftTheStateFile) {
    TestCharacter alice("Alice");
    alice.Data("datac2", "c.txt", {"x"});
    // "Alice" gives the key bytes 5 8 5 19 1: enciphered at the second place, byte 2 would
    // become LF; at the fifth, byte 12 would become CR.
    const std::pair<const char*, const char*> texts[] = {
        {"abc\r\n", "abc{BR}"},
        {"one\r\ntwo\nthree\rfour", "one{BR}two{BR}three{BR}four"},
        {"a\x02", "a\xE2"},
        {"abcd\x0C", "abcd\xEC"},
        {"a\tb",
         "a\xE9"
         "b"},
    };
    {
        TCharacter first(alice.Write());
        for (size_t i = 0; i < std::size(texts); ++i)
            first.Variables().strings[50 + i] = texts[i].first;
        first.Variables().strings[99] = "last";
        first.Variables().numbers[50] = 42;
        first.Variables().flags[50] = true;
    }
    TCharacter second(alice.PackagePath());
    for (size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(second.Variables().strings[50 + i], texts[i].second) << "for " << texts[i].first;
    EXPECT_EQ(second.Variables().strings[99], "last");
    EXPECT_EQ(second.Variables().numbers[50], 42);
    EXPECT_TRUE(second.Variables().flags[50]);
    EXPECT_FALSE(second.Variables().flags[51]);
}

TEST(Character, ADamagedStateFileIsKeptBesideItAndReportedBeforeItIsReplaced) {
    TestCharacter alice("Alice");
    alice.Data("datac2", "c.txt", {"x"});
    std::vector<std::string> reports;
    TCharacterServices services;
    services.report_problem = [&reports](std::string_view message) {
        reports.emplace_back(message);
    };
    {
        TCharacter character(alice.Write(), services);
        character.Variables().strings[50] = "worth keeping";
    }
    const std::string whole = alice.ReadState();
    const std::string kept_path = alice.StatePath() + ".damaged";
    const std::string garbled = "\x01\xFF" + whole.substr(2);
    const std::string damages[] = {whole.substr(0, whole.size() / 2), garbled, ""};
    for (const std::string& damaged : damages) {
        SCOPED_TRACE(damaged.size());
        std::filesystem::remove(kept_path);
        reports.clear();
        alice.WriteDataFile("alice.kts", damaged);
        {
            TCharacter character(alice.PackagePath(), services);
            ASSERT_EQ(reports.size(), 1u);
            EXPECT_NE(reports[0].find(kept_path), std::string::npos) << reports[0];
        }
        EXPECT_EQ(alice.Folder().Read("data/alice.kts.damaged"), damaged);
    }

    // Kept once: a later damage leaves the first copy and is still reported.
    alice.WriteDataFile("alice.kts", "garbage");
    reports.clear();
    { TCharacter character(alice.PackagePath(), services); }
    EXPECT_EQ(alice.Folder().Read("data/alice.kts.damaged"), "");
    EXPECT_EQ(reports.size(), 1u);

    // A whole file is no damage.
    std::filesystem::remove(kept_path);
    reports.clear();
    { TCharacter character(alice.PackagePath(), services); }
    EXPECT_TRUE(reports.empty());
    EXPECT_FALSE(std::filesystem::exists(kept_path));
}

TEST(Character, UnwritableStateFileFailsCreationWithAnEngineError) {
    TestCharacter alice("Alice");
    alice.Data("datac2", "c.txt", {"x"});
    // A folder where the state file should be: no file can be renamed into its place.
    std::filesystem::create_directories(alice.StatePath() + "/occupied");
    EXPECT_THROW(TCharacter character(alice.Write()), EKiovaError);
}

// Records the operate message whenever a condition table tests the condition "PROBE".
class ProbeEvaluator final : public TTagEvaluator {
public:
    ProbeEvaluator(TCharacter& character, std::vector<std::string>& seen)
        : character_(character), seen_(seen) {}
    std::u16string EvaluateTags(std::u16string_view text) override {
        if (text == u"PROBE") seen_.push_back(character_.OperateMessage());
        return u"FALSE";
    }

private:
    TCharacter& character_;
    std::vector<std::string>& seen_;
};

TEST(Character, MessagesCarryTheEmptyAndRepetitionMarkers) {
    TestCharacter alice;
    alice.Data("data01", "probe.txt", {"probe,never"}).Data("datac2", "c.txt", {"x"});
    std::vector<std::string> seen;
    TCharacterServices services;
    services.create_tag_evaluator = [&seen](TCharacter& character) {
        return std::make_unique<ProbeEvaluator>(character, seen);
    };
    TCharacter character(alice.Write(), services);
    for (std::u16string_view input : {u"hello", u"hello", u"hello", u"Hello", u"", u"", u"x"})
        character.Respond(input, kTableMaskAll);
    EXPECT_EQ(seen, (std::vector<std::string>{"HELLO", "HELLO{REPEATED}", "HELLO{REPEATED}",
                                              "HELLO", "{NOTHINGSAID}", "{NOTHINGSAID}", "X"}));
    EXPECT_EQ(character.TurnCount(), 7);
    EXPECT_EQ(character.CurrentInput(), "x");
    EXPECT_EQ(character.PreviousInput(), "");
}

TEST(Character, TheMaskChoosesTheTables) {
    TestCharacter alice;
    alice.Data("data02", "cond.txt", {"true,Condition"})
        .Data("datab2", "b.txt", {"hello,Pattern"})
        .Data("datac2", "c.txt", {"Plain"});
    TCharacter character(alice.Write());
    EXPECT_EQ(Say(character, u"hello", kTableMaskEvents), "Condition");
    EXPECT_EQ(character.OperateMessage(), "HELLO");
    EXPECT_EQ(Say(character, u"hello!", 0x20), "Pattern");
    EXPECT_EQ(character.OperateMessage(), "");
    EXPECT_EQ(Say(character, u"bye", 0x20), "");
    EXPECT_EQ(Say(character, u"bye", 0xA0), "Plain");
    EXPECT_EQ(Say(character, u"hello", 0x80), "Plain");
    EXPECT_EQ(Say(character, u"hello", 0), "");
    EXPECT_EQ(Say(character, u"hello there", kTableMaskAll), "Condition");
}

TEST(Character, PreviousAnswerReachesBothKindATables) {
    TestCharacter alice;
    alice.Data("dataa2", "a.txt", {"\"hello there\",yes,Glad"})
        .Data("datab2", "b.txt", {"how,\"Hello there\""})
        .Data("datac2", "c.txt", {"Plain"});
    TCharacter character(alice.Write());
    EXPECT_EQ(Say(character, u"how are you"), "Hello there");
    EXPECT_EQ(character.DataA1().PreviousAnswer(), "HELLO THERE");
    EXPECT_EQ(Say(character, u"yes"), "Glad");
    EXPECT_EQ(character.PreviousAnswer(), "HELLO THERE");
    EXPECT_EQ(Say(character, u"yes!"), "Plain");
    EXPECT_EQ(character.PreviousAnswer(), "GLAD");
    EXPECT_EQ(Say(character, u"nothing", 0), "");
    EXPECT_EQ(character.DataA2().PreviousAnswer(), "");
}

TEST(Character, OnceOnlyAnswerComesBackOnlyAfterReloading) {
    TestCharacter alice;
    alice.Data("datab1", "b.txt", {"hi,Hello"}).Data("datac2", "c.txt", {"Plain"});
    {
        TCharacter character(alice.Write());
        EXPECT_EQ(Say(character, u"hi"), "Hello");
        EXPECT_EQ(Say(character, u"hi there"), "Plain");
        EXPECT_EQ(character.DataB1().AvailableCount(), 0);
    }
    TCharacter reloaded(alice.PackagePath());
    EXPECT_EQ(Say(reloaded, u"hi"), "Hello");
}

// Creates a fresh nameless character per turn (so the once-only counts stay put) and counts
// how often datac1 answers, with the clock fixed at a different millisecond each time.
double ShareOfFirstPlainTable(int c1_lines, int c2_lines, int turns) {
    TestCharacter nameless("");
    nameless.Data("datac1", "c1.txt", std::vector<std::string>(c1_lines, "one"))
        .Data("datac2", "c2.txt", std::vector<std::string>(c2_lines, "two"));
    const std::string package = nameless.Write();
    int first = 0;
    for (int turn = 0; turn < turns; ++turn) {
        const TDateTime now =
            *EncodeDateTime({2024, 1, 1, 10, turn / 60 % 60, turn % 60, turn % 1000});
        SetClock(std::make_shared<TFixedClock>(now, now));
        TCharacter character(package);
        if (Say(character, u"anything") == "one") ++first;
    }
    SetClock(nullptr);
    return static_cast<double>(first) / turns;
}

TEST(Character, PlainTablesAreDrawnByTheirAvailableCounts) {
    EXPECT_EQ(ShareOfFirstPlainTable(0, 5, 50), 0.0);
    EXPECT_NEAR(ShareOfFirstPlainTable(3, 1, 400), 0.75, 0.06);
    EXPECT_NEAR(ShareOfFirstPlainTable(1, 1, 400), 0.5, 0.06);
}

class RecordingPluginList final : public TPluginListBase {
public:
    explicit RecordingPluginList(std::vector<std::string>& added) : added_(added) {}
    int Count() const override { return static_cast<int>(added_.size()); }
    bool AddPlugin(std::string_view class_name) override {
        added_.emplace_back(class_name);
        return true;
    }
    void FireEvent(std::string&, std::string&) override {}
    std::string ExpandTag(std::string_view) override { return {}; }
    std::string PluginInfo(int, std::int32_t) const override { return {}; }
    void ConfigurationDialog(int) override {}

private:
    std::vector<std::string>& added_;
};

TEST(Character, PluginsGoToTheListTheServicesMake) {
    TestCharacter alice;
    alice.Data("datac2", "c.txt", {"x"});
    {
        TCharacter plain(alice.Write());
        EXPECT_FALSE(plain.AddPluginLibrary(u"Dice.Roller"));
        EXPECT_EQ(plain.Plugins().Count(), 0);
    }
    std::vector<std::string> added;
    TCharacterServices services;
    services.create_plugin_list = [&added] { return std::make_unique<RecordingPluginList>(added); };
    TCharacter character(alice.PackagePath(), services);
    EXPECT_TRUE(character.AddPluginLibrary(u"Dice.Roller"));
    EXPECT_EQ(added, std::vector<std::string>{"Dice.Roller"});
}

// A UTF-8 character is UTF-8 throughout: keys, answers and its state file, with nothing lost.
TEST(Character, Utf8CharacterMatchesByCodePointAndKeepsItsTexts) {
    TestCharacter zoe("Zoë 🐱");
    zoe.Set("charset", "UTF-8");
    zoe.Data("datab2", "b.txt", {"^CAF.$,\"Un café\"", "^[éè]T[éè]$,L'été", "猫🐱,にゃん🐱"});
    {
        TCharacter character(zoe.Write());
        EXPECT_EQ(character.CodePage(), kUtf8CodePage);
        EXPECT_EQ(character.Respond(u"café", kTableMaskAll), u"Un café");
        EXPECT_EQ(character.Respond(u"été", kTableMaskAll), u"L'été");
        EXPECT_EQ(character.Respond(u"ねこ猫🐱", kTableMaskAll), u"にゃん🐱");
        EXPECT_EQ(character.CurrentInput(), "ねこ猫🐱");
        character.Variables().strings[50] = "Zoë 🐱";
    }
    EXPECT_EQ(TCharacter(zoe.PackagePath()).Variables().strings[50], "Zoë 🐱");
}

// A Shift_JIS character beside a UTF-8 one in the same process: each reads its own bytes.
TEST(Character, CharactersOfBothEncodingsLiveSideBySide) {
    TestCharacter alice("Alice");
    alice.Data("datab2", "b.txt", {Utf8ToAnsi("猫,にゃん", 932)});
    TestCharacter zoe("Zoë", "zoe");
    zoe.Data("datab2", "b.txt", {"猫,\"miaou 🐱\""});
    const std::string zoe_path = zoe.Write();
    zoe.Folder().Write("zoe.ktc", "\xEF\xBB\xBF" + zoe.Folder().Read("zoe.ktc"));  // a BOM
    TCharacter sjis(alice.Write());
    TCharacter utf8(zoe_path);
    EXPECT_EQ(sjis.Respond(u"猫", kTableMaskAll), u"にゃん");
    EXPECT_EQ(utf8.Respond(u"猫", kTableMaskAll), u"miaou 🐱");
    EXPECT_EQ(sjis.Respond(u"Zoë", kTableMaskAll), u"");
    EXPECT_EQ(sjis.CurrentInput(), "Zo?");  // what Shift_JIS cannot hold is '?', as ever
}

TEST(Character, AnUnknownCharsetIsAnInvalidCharacterAndReported) {
    TestCharacter alice("Alice");
    alice.Set("charset", "EBCDIC");
    alice.Data("datac2", "c.txt", {"x"});
    std::vector<std::string> reported;
    TCharacterServices services;
    services.report_problem = [&](std::string_view message) { reported.emplace_back(message); };
    EXPECT_THROW(TCharacter(alice.Write(), std::move(services)), EKiovaInvalidCharacter);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find("\"EBCDIC\" is neither UTF-8 nor Shift_JIS"), std::string::npos);
}

// A character in a folder this user cannot write keeps its state in the per-user state folder,
// starting from the state file shipped beside it, and finds it there again.
TEST(Character, ReadOnlyCharacterKeepsItsStateInThePerUserFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes every folder";
    TestCharacter alice("Alice");
    alice.Data("datac2", "c.txt", {"x"});
    const std::string package = alice.Write();
    { TCharacter(package).Variables().strings[50] = "shipped"; }
    testing::TempFolder state_home;
    testing::ScopedEnvironment xdg("XDG_STATE_HOME", state_home.Path().string());
    const auto data = std::filesystem::path(alice.StatePath()).parent_path();
    std::filesystem::permissions(data, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const std::string shipped = alice.ReadState();
    {
        TCharacter character(package);
        EXPECT_EQ(character.Variables().strings[50], "shipped");
        EXPECT_EQ(character.StatePath().rfind(state_home.Path().string() + "/kiova/data-", 0), 0u);
        character.Variables().strings[50] = "mine";
    }
    EXPECT_EQ(TCharacter(package).Variables().strings[50], "mine");
    EXPECT_EQ(alice.ReadState(), shipped);  // nothing written beside the data
    std::filesystem::permissions(data, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

}  // namespace
}  // namespace kiova
