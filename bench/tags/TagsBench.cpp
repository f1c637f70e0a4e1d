// The tag language at work: expanding a typical answer, a reply that consults a condition table
// of 5,000 records (each condition evaluated by the tag language), and the worst a runaway
// answer can cost before the substitution bound stops it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "Character.h"
#include "Clock.h"
#include "CodePage.h"
#include "HandOverQueue.h"
#include "TagInterpreter.h"
#include "engine/TestCharacter.h"

namespace kiova {
namespace {

constexpr int kConditionCount = 5000;

// Conditions as authors write them: the message, flags and counters, patterns and the clock.
std::string ConditionLine(int n) {
    std::string condition;
    switch (n % 4) {
        case 0:
            condition = "{EQ{OPERATEMESSAGE}|WORD" + std::to_string(n) + "}";
            break;
        case 1:
            condition = "{AND{FLAG" + std::to_string(50 + n % 50) + "}|{>{COUNT51}|" +
                        std::to_string(n) + "}}";
            break;
        case 2:
            condition = "{LIKE{PREV}|WORD" + std::to_string(n) + "#}";
            break;
        default:
            condition = "{AND{==" + std::to_string(n % 24) + "|{HOUR}}|{EQ{PREV}|PING}}";
            break;
    }
    return "\"" + condition + "\",\"Answer " + std::to_string(n) + "\"";
}

// A character whose second condition table holds kConditionCount records, the tag language
// attached, at a fixed instant.
class BenchCharacter {
public:
    BenchCharacter() {
        SetClock(std::make_shared<TFixedClock>(*EncodeDateTime({2003, 5, 4, 18, 7, 9, 0}),
                                               *EncodeDateTime({2003, 5, 4, 9, 7, 9, 0})));
        std::vector<std::string> conditions;
        for (int n = 0; n < kConditionCount; ++n) conditions.push_back(ConditionLine(n));
        package_.Data("data02", "conditions.txt", conditions);
        package_.Data("datac2", "chat.txt", {"Hm."});
        character_ =
            std::make_unique<TCharacter>(package_.Write(), MakeCharacterServices(hand_over_));
        TUser user;
        user.NickName = Utf8ToAnsi("たろう");
        character_->SetUserProfile(user);
    }
    ~BenchCharacter() { SetClock(nullptr); }
    TCharacter& Character() { return *character_; }

private:
    testing::TestCharacter package_{"Bench", "bench"};
    THandOverQueue hand_over_;
    std::unique_ptr<TCharacter> character_;
};

void BM_TypicalAnswer(benchmark::State& state) {
    BenchCharacter bench;
    const std::u16string answer =
        u"{PIC:smile.bmp}{IF{<{HOUR}|12}おはようございます|こんにちは}、{NICKNAME}さん！"
        u"{COUNT51++}{MEMO10:{DATE}}{IF{FLAG51}前回は{MEMO10}でしたね。|{CHOICEはじめまして|"
        u"よろしく}}"
        u"{WAIT}今日は{YOUBI}、{COUNT51}回目です。";
    for (auto _ : state) benchmark::DoNotOptimize(bench.Character().EvaluateTags(answer));
}
BENCHMARK(BM_TypicalAnswer)->Unit(benchmark::kMicrosecond);

void BM_RespondThroughFiveThousandConditions(benchmark::State& state) {
    BenchCharacter bench;
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.Character().Respond(u"ping", kTableMaskEvents));
    state.counters["conditions/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kConditionCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RespondThroughFiveThousandConditions)->Unit(benchmark::kMillisecond);

void BM_RunawayAnswerUntilTheBound(benchmark::State& state) {
    BenchCharacter bench;
    bench.Character().EvaluateTags(u"{MEMO01:[SCRIPTIZE:[MEMO01]]}");
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.Character().EvaluateTags(u"{SCRIPTIZE:{MEMO01}}"));
}
BENCHMARK(BM_RunawayAnswerUntilTheBound)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kiova
