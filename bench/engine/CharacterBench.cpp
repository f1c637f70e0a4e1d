// A large character written by the benchmark (20,000 kind-B patterns and 5,000 kind-C lines in
// Shift_JIS): how long it takes to load, how long one reply takes, and the memory it holds.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Character.h"
#include "CodePage.h"
#include "TestCharacter.h"

namespace kiova {
namespace {

constexpr int kPatternCount = 20000;
constexpr int kPlainLineCount = 5000;

const std::vector<std::string>& Kana() {
    static const std::vector<std::string> kana = [] {
        const std::u16string letters =
            u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれ"
            u"ろわをん";
        std::vector<std::string> result;
        for (char16_t letter : letters) result.push_back(Utf16ToUtf8(std::u16string(1, letter)));
        return result;
    }();
    return kana;
}

// A three-kana word, different for every n below 46^3.
std::string Word(int n) {
    const std::vector<std::string>& kana = Kana();
    const int base = static_cast<int>(kana.size());
    return kana[n % base] + kana[n / base % base] + kana[n / base / base % base];
}

// Plain words, alternatives, gaps and digit keys, as character authors write them.
std::string PatternLine(int n) {
    std::string key;
    switch (n % 4) {
        case 0:
            key = Word(n);
            break;
        case 1:
            key = "(" + Word(n) + "|" + Word(n + 7919) + ")";
            break;
        case 2:
            key = Word(n) + ".*" + Word(n + 104729);
            break;
        default:
            key = Word(n) + "##";
            break;
    }
    return Utf8ToAnsi(key + ",\"" + Word(n) + "のことなら知ってるよ。{USERNAME}さん\"");
}

struct LargeCharacter {
    testing::TestCharacter files{"Benchmark", "large"};
    std::string package;

    LargeCharacter() {
        std::vector<std::string> patterns, plain;
        for (int i = 0; i < kPatternCount; ++i) patterns.push_back(PatternLine(i));
        for (int i = 0; i < kPlainLineCount; ++i)
            plain.push_back(Utf8ToAnsi("そうなんだ、" + Word(i * 31) + "だね。{CHOICEうん|へえ}"));
        files.Data("datab2", "patterns.txt", patterns).Data("datac2", "plain.txt", plain);
        package = files.Write();
    }
};

const LargeCharacter& Large() {
    static const LargeCharacter large;
    return large;
}

const std::vector<std::u16string>& Inputs() {
    static const std::vector<std::u16string> inputs = {
        // The last key wants two digits: no key matches, the reply comes from datac2.
        Utf8ToUtf16("ねえ、" + Word(19999) + "って知ってる？"),
        Utf8ToUtf16("今日はいい天気ですね"),  // falls through to datac2
        Utf8ToUtf16("Hello, how are you today?"),
        Utf8ToUtf16(Word(3) + "42"),
        Utf8ToUtf16("ねえ、" + Word(19996) + "って知ってる？"),  // a key near the end of the table
    };
    return inputs;
}

void BM_LoadCharacter(benchmark::State& state) {
    const std::string& package = Large().package;
    for (auto _ : state) {
        TCharacter character(package);
        benchmark::DoNotOptimize(character.DataB2().AvailableCount());
    }
    state.SetLabel("20,000 kind-B patterns + 5,000 kind-C lines");
}
BENCHMARK(BM_LoadCharacter)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Respond(benchmark::State& state) {
    TCharacter character(Large().package);
    const std::u16string& input = Inputs()[static_cast<size_t>(state.range(0))];
    for (auto _ : state) {
        std::u16string answer = character.Respond(input, kTableMaskAll);
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(BM_Respond)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double HeapMegabytes() {
    return static_cast<double>(mallinfo2().uordblks) / 1048576.0;
}

// Memory the loaded character holds: heap in use and resident set, before and after loading.
void BM_MemoryAfterLoading(benchmark::State& state) {
    const std::string& package = Large().package;
    for (auto _ : state) {
        const double heap_before = HeapMegabytes();
        const double resident_before = ResidentMegabytes();
        auto character = std::make_unique<TCharacter>(package);
        state.counters["heap_MB"] = HeapMegabytes() - heap_before;
        state.counters["rss_MB"] = ResidentMegabytes() - resident_before;
        benchmark::DoNotOptimize(character.get());
    }
}
BENCHMARK(BM_MemoryAfterLoading)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kiova
