// The demo characters as a new user meets them: fifty everyday lines, then lines whose answers
// once missed (a catch-all took them, or a spelling was missing), then a second run that should
// remember the first. Run through kiova-tool on a copy of the shipped folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "RunTool.h"
#include "TempFolder.h"

namespace kiova {
namespace {

using testing::RunTool;
using testing::TempFolder;

struct TDemoCharacter {
    std::string package;
    std::vector<std::string> first_run;  // fifty lines, one of them a liking to remember
    std::string remembered;              // what the liking said
    std::string recall;                  // the second run's line that should bring it back
    std::vector<std::pair<std::string, std::string>> fitting;  // a line, what its answer holds
};

struct TReply {
    std::string shown;  // the answer without its output commands
    bool fallback;      // no table with a key answered: a plain-answer table, or nothing
};

std::string Shown(const std::string& answer) {
    return std::regex_replace(answer, std::regex("\\{[^{}]*\\}"), "");
}

std::vector<TReply> Chat(const std::string& package, const std::vector<std::string>& lines) {
    std::string input;
    for (const std::string& line : lines) input += line + "\n";
    auto result =
        RunTool({"chat", package, "--json", "--trace", "--now", "2026/12/08 19:30:00"}, input);
    EXPECT_EQ(result.status, 0) << result.err;
    std::vector<TReply> replies;
    std::istringstream out(result.out);
    for (std::string line; std::getline(out, line);) {
        const nlohmann::json reply = nlohmann::json::parse(line);
        const nlohmann::json& trace = reply["trace"];
        const std::string table = trace.contains("answered") ? trace["answered"]["table"] : "";
        replies.push_back({Shown(reply["answer"]), table.empty() || table.starts_with("datac")});
    }
    EXPECT_EQ(replies.size(), lines.size());
    return replies;
}

class DemoCharacters : public ::testing::TestWithParam<TDemoCharacter> {
protected:
    DemoCharacters() {
        std::filesystem::copy(KIOVA_DEMO_CHARACTERS, folder.Path(),
                              std::filesystem::copy_options::recursive);
    }
    std::string Package() const { return folder / GetParam().package; }

    TempFolder folder;
};

TEST_P(DemoCharacters, AreCleanAnswerMostEverydayLinesAndRememberTheLastRun) {
    auto check = RunTool({"check", Package()});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("0 error(s), 0 warning(s)"), std::string::npos) << check.out;

    const TDemoCharacter& demo = GetParam();
    ASSERT_EQ(demo.first_run.size(), 50u);
    std::vector<std::string> lines = demo.first_run;
    for (const auto& [line, holds] : demo.fitting) lines.push_back(line);
    const std::vector<TReply> replies = Chat(Package(), lines);
    ASSERT_EQ(replies.size(), lines.size());
    int specific = 0;
    for (size_t i = 0; i < replies.size(); ++i) {
        EXPECT_FALSE(replies[i].shown.empty()) << lines[i];
        if (!replies[i].fallback && i < demo.first_run.size()) ++specific;
        if (i > 0 && replies[i].fallback && replies[i - 1].fallback) {
            EXPECT_NE(replies[i].shown, replies[i - 1].shown) << lines[i];
        }
    }
    EXPECT_GE(specific, 40);
    for (size_t i = 0; i < demo.fitting.size(); ++i) {
        const auto& [line, holds] = demo.fitting[i];
        EXPECT_NE(replies[demo.first_run.size() + i].shown.find(holds), std::string::npos)
            << line << " -> " << replies[demo.first_run.size() + i].shown;
    }

    const std::vector<TReply> later = Chat(Package(), {demo.recall});
    ASSERT_EQ(later.size(), 1u);
    EXPECT_NE(later[0].shown.find(demo.remembered), std::string::npos) << later[0].shown;
}

const TDemoCharacter kHina{"hina.ktc",
                           {"こんにちは",
                            "はじめまして",
                            "名前は？",
                            "何歳？",
                            "20歳",
                            "今日は何日？",
                            "今何時？",
                            "今日は寒いね",
                            "天気はどう？",
                            "晴れだよ",
                            "好きな食べ物は？",
                            "カレー",
                            "ラーメンが大好き",
                            "趣味は何？",
                            "音楽聴いてる？",
                            "ゲームしてる",
                            "仕事で疲れた",
                            "眠い",
                            "ありがとう",
                            "ごめんね",
                            "かわいいね",
                            "何してるの？",
                            "おなかすいた",
                            "犬飼ってるよ",
                            "映画見た",
                            "週末は何しよう",
                            "ゲームかな",
                            "宿題がある",
                            "元気？",
                            "元気だよ",
                            "楽しい",
                            "さみしい",
                            "じゃんけんしよう",
                            "グー",
                            "占って",
                            "しりとりしよう",
                            "ゴリラ",
                            "覚えてる？",
                            "好きな色は？",
                            "青",
                            "歌って",
                            "冗談言って",
                            "本当？",
                            "あのさ",
                            "昨日ね",
                            "ひま",
                            "よろしくね",
                            "お風呂入ってくる",
                            "ただいま",
                            "おやすみ"},
                           "ラーメンが大好き",
                           "私の好きなもの覚えてる？",
                           {{"コンニチハ", "こんにちは"},
                            {"すきなたべものは？", "いちご"},
                            {"好きな色は？", "ピンク"},  // a question back to hers
                            {"誰が作ったの？", "Kiova"},
                            {"元気ですか", "元気いっぱい"},
                            {"お腹がすきました", "おなかすいた"},
                            {"好きだよ", "大好き"},
                            {"音楽は好き？", "ピアノ"},
                            {"ロックが好きです", "聴いてみたい"},  // the answer to hers
                            {"ツカレタ", "疲れて"},
                            {"わかりません", "わからないこと"},
                            {"つまらない", "たいくつ"},
                            {"手伝って", "もちろん"},
                            {"使い方を教えて", "じゃんけん"},
                            {"ひなは幸せ？", "元気いっぱい"},
                            {"元気だよ", "よかった"},
                            {"嫌い", "静かに"},
                            {"あけましておめでとう", "今年も"},
                            {"明日テストなんだ", "勉強"}}};

const TDemoCharacter kHinaEnglish{"hina-en.ktc",
                                  {"Hi!",
                                   "Nice to meet you",
                                   "What's your name?",
                                   "How old are you?",
                                   "25",
                                   "What time is it?",
                                   "What's the date today?",
                                   "It's cold today",
                                   "How's the weather?",
                                   "It's sunny",
                                   "What's your favorite food?",
                                   "Pizza",
                                   "I love ramen",
                                   "Do you have any hobbies?",
                                   "Do you like music?",
                                   "Mostly jazz",
                                   "I play video games",
                                   "I'm so tired from work",
                                   "I'm sleepy",
                                   "Thank you",
                                   "Sorry",
                                   "You're cute",
                                   "What are you doing?",
                                   "I'm hungry",
                                   "I have a dog",
                                   "I watched a movie",
                                   "What should I do this weekend?",
                                   "Reading a book",
                                   "Will it rain tomorrow?",
                                   "I have homework",
                                   "How are you?",
                                   "I'm good",
                                   "That was fun",
                                   "I feel lonely",
                                   "Let's play rock paper scissors",
                                   "Rock",
                                   "Tell my fortune",
                                   "Do you remember me?",
                                   "What's your favorite color?",
                                   "Blue",
                                   "Sing a song",
                                   "Tell me a joke",
                                   "Really?",
                                   "So anyway",
                                   "Yesterday was weird",
                                   "I'm bored",
                                   "Let's be friends",
                                   "I'm taking a bath",
                                   "I'm home",
                                   "Good night"},
                                  "I love ramen",
                                  "Do you remember what I like?",
                                  {{"hello hina", "Hi, "},
                                   {"what's your favourite food?", "strawberries"},
                                   {"whats your favourite colour", "pink"},  // a question back
                                   {"what do you like?", "piano"},
                                   {"what should i do", "feels right"},
                                   {"who made you?", "Kiova team"},
                                   {"help", "rock paper scissors"},
                                   {"let's play a game", "Let's play"},
                                   {"how r u", "doing great"},
                                   {"i am good", "glad"},
                                   {"u ok?", "energy"},
                                   {"you are so sweet", "nice one"},
                                   {"im 30", "remember"},
                                   {"I'm from London", "window"},
                                   {"my name is Alex", "settings"},
                                   {"are you a girl?", "girl"},
                                   {"what's new", "clouds"},
                                   {"what's the weather like", "weather"},
                                   {"will it rain?", "umbrella"},  // a question back
                                   {"I went jogging this morning", "Moving your body"},
                                   {"I can't sleep", "health"},
                                   {"i'm not feeling well", "worried"},
                                   {"I'm feeling a bit down", "your side"},
                                   {"I feel stupid", "next time"},
                                   {"you're stupid", "not talking"},
                                   {"what do you mean?", "jumbled"},
                                   {"no idea", "not to know"},
                                   {"i apologise", "apologize"},
                                   {"cheers", "welcome"},
                                   {"what year is it", "Today is"},
                                   {"are you happy", "energy"},
                                   {"i hate you", "quiet"},
                                   {"it's my birthday today", "Happy birthday"},
                                   {"happy new year", "New Year"},
                                   {"I'm drinking coffee", "cocoa"},
                                   {"i have an exam tomorrow", "studying"}}};

std::string PackageName(const ::testing::TestParamInfo<TDemoCharacter>& demo) {
    std::string name = std::filesystem::path(demo.param.package).stem().string();
    std::replace(name.begin(), name.end(), '-', '_');  // test names are identifiers
    return name;
}

INSTANTIATE_TEST_SUITE_P(Shipped, DemoCharacters, ::testing::Values(kHina, kHinaEnglish),
                         PackageName);

}  // namespace
}  // namespace kiova
