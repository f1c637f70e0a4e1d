// A whole reply of a large character, and loading it: generated characters of 1k to 100k kind-B
// records whose patterns share their vocabulary with chat-like inputs of 20 to 200 bytes in
// Shift_JIS, so that many records pass the match filter; and a character shaped like a large
// AIML brain, ~100k records keyed mostly "^WORD WORD .+$", asked English lines. Each reply (table
// walk, choice and tag expansion) is timed on its own, giving p50 and p99 over a pool of inputs;
// the pattern set alone (TbmRESet) and RE2::Set on the same patterns and lines (UTF-8 for RE2)
// are timed in the same run as the yardstick.
//
// Figures: counters p50_us and p99_us (replies, or RE2::Set matches, in thread CPU time; new_ for
// the first pass over the inputs, lines the cache has not seen; warm_ for RE2 matching a line
// again at once; the set's prefilter_MB and cache_MB); for loading, the CPU time of all
// the process's threads, peak_MB (the process's peak resident set over the load, reset before it),
// allocs/record (operator new calls during the load) and free_ms (the CPU time, outside the
// load's, of dropping the character again); RE2::Set's compile_ms, the thread CPU
// time of adding and compiling the keys.
#include <benchmark/benchmark.h>
#include <re2/set.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Character.h"
#include "Clock.h"
#include "CodePage.h"
#include "HandOverQueue.h"
#include "KiovaData.h"
#include "PeakMemory.h"
#include "TagInterpreter.h"
#include "TextUtils.h"
#include "bmRESet.h"
#include "bmRExp.h"
#include "engine/TestCharacter.h"

// Counts allocations, so that loading can be charged per record. (GCC takes the free in the
// replaced operator delete for a mismatch with operator new.)
namespace {
std::atomic<long> g_allocations{0};
}  // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace kiova {
namespace {

constexpr int kInputCount = 1000;

// Chat vocabulary: kana words and a few kanji compounds, as UTF-8.
class Vocabulary {
public:
    Vocabulary() {
        const std::u16string kana =
            u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれ"
            u"ろわんがぎぐげござじずぜぞだでどばびぶべぼぱぴぷぺぽ";
        const std::u16string kanji =
            u"天気好嫌仕事疲眠食飯映画音楽猫犬雨雪夏冬学校友達旅行海山"
            u"電車本料理朝夜今日明昨週末時間家族話聞見行来";
        std::mt19937 random(11);
        while (words_.size() < 1500) {
            std::u16string word;
            const bool compound = random() % 4 == 0;
            const int length = 2 + static_cast<int>(random() % 3);
            for (int i = 0; i < length; ++i) {
                const std::u16string& letters = compound && i < 2 ? kanji : kana;
                word += letters[random() % letters.size()];
            }
            words_.push_back(Utf16ToUtf8(word));
        }
    }
    const std::string& operator[](std::size_t n) const { return words_[n % words_.size()]; }
    std::size_t Size() const { return words_.size(); }

private:
    std::vector<std::string> words_;
};

const Vocabulary& Words() {
    static const Vocabulary words;
    return words;
}

// Keys as authors write them: words, alternatives, gaps, digits, particles, line heads.
std::string Key(std::mt19937& random) {
    const Vocabulary& words = Words();
    const auto word = [&] { return words[random()]; };
    switch (random() % 6) {
        case 0:
            return word();
        case 1:
            return "(" + word() + "|" + word() + ")";
        case 2:
            return word() + ".*" + word();
        case 3:
            return word() + "##";
        case 4:
            return word() + "[をにでがは]" + word();
        default:
            return "^" + word() + "(ね|よ)?";
    }
}

// A line of chat: words joined by particles, 20 to 200 bytes in Shift_JIS.
std::string Input(std::mt19937& random) {
    static const std::vector<std::string> particles = {"は", "が", "を", "に", "で", "の",
                                                       "ね", "よ", "、", "と", "も"};
    const std::size_t target = 20 + random() % 181;
    std::string line;
    while (true) {
        std::string next = line + Words()[random()] + particles[random() % particles.size()];
        if (random() % 8 == 0) next += std::to_string(random() % 100);
        if (Utf8ToAnsi(next).size() > target) break;
        line = std::move(next);
    }
    return line.empty() ? Words()[random()] : line;
}

// English-like words in capitals, as an AIML brain's patterns name them; some far more common.
class EnglishWords {
public:
    EnglishWords() {
        std::mt19937 random(23);
        while (words_.size() < 3000) {
            std::string word;
            const int length = 2 + static_cast<int>(random() % 7);
            for (int i = 0; i < length; ++i) word += static_cast<char>('A' + random() % 26);
            words_.push_back(word);
        }
    }
    // Word n, drawn so that low numbers come up most: a rough Zipf curve.
    const std::string& Draw(std::mt19937& random) const {
        const double u = std::uniform_real_distribution<>(0, 1)(random);
        return words_[static_cast<std::size_t>(u * u * u * static_cast<double>(words_.size()))];
    }

private:
    std::vector<std::string> words_;
};

const EnglishWords& English() {
    static const EnglishWords words;
    return words;
}

// Which kind of character a benchmark runs on.
enum Shape : std::int64_t { kChat, kAiml };

// AIML-shaped keys: two words then the rest of the line; a few one-word and whole-line ones.
std::string AimlKey(std::mt19937& random) {
    const auto word = [&] { return English().Draw(random); };
    switch (random() % 10) {
        case 0:
            return "^" + word() + " .+$";
        case 1:
            return "^" + word() + " " + word() + " " + word() + "$";
        default:
            return "^" + word() + " " + word() + " .+$";
    }
}

// An English line of 3 to 12 words in lower case, as typed.
std::string AimlInput(std::mt19937& random) {
    const int words = 3 + static_cast<int>(random() % 10);
    std::string line;
    for (int i = 0; i < words; ++i) {
        if (i > 0) line += ' ';
        for (const char c : English().Draw(random)) line += static_cast<char>(c - 'A' + 'a');
    }
    return line;
}

// A character with `records` kind-B records of the shape and a plain-answer table, on disk, and
// the inputs.
struct GeneratedCharacter {
    testing::TestCharacter files{"Reply", "reply"};
    std::string package;
    std::vector<std::string> keys;  // as written, UTF-8
    std::vector<std::u16string> inputs;

    GeneratedCharacter(int records, Shape shape) {
        std::mt19937 random(static_cast<unsigned>(records));
        std::vector<std::string> lines;
        for (int i = 0; i < records; ++i) {
            keys.push_back(shape == kAiml ? AimlKey(random) : Key(random));
            lines.push_back(Utf8ToAnsi("\"" + keys.back() + "\",\"{NICKNAME}さん、" +
                                       Words()[random()] +
                                       "の話だね。{CHOICEうん|へえ|そうなんだ}\""));
        }
        files.Data("datab2", "records.txt", lines)
            .Data("datac2", "plain.txt", {Utf8ToAnsi("ふうん。{CHOICEそれで？|なるほど}")});
        package = files.Write();
        for (int i = 0; i < kInputCount; ++i)
            inputs.push_back(Utf8ToUtf16(shape == kAiml ? AimlInput(random) : Input(random)));
    }
};

const GeneratedCharacter& Generated(const benchmark::State& state) {
    static std::map<std::pair<std::int64_t, std::int64_t>, std::unique_ptr<GeneratedCharacter>>
        cache;
    auto& entry = cache[{state.range(0), state.range(1)}];
    if (!entry) {
        entry = std::make_unique<GeneratedCharacter>(static_cast<int>(state.range(0)),
                                                     static_cast<Shape>(state.range(1)));
    }
    return *entry;
}

// The thread's CPU time in microseconds: the machines these run on are shared, and a reply's
// wall-clock time there mostly measures the other processes.
double CpuMicroseconds(clockid_t clock = CLOCK_THREAD_CPUTIME_ID) {
    timespec now{};
    ::clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// p50 and p99 of the durations, as counters named after `prefix`.
void ReportPercentiles(benchmark::State& state, std::vector<double> durations,
                       const std::string& prefix = "") {
    if (durations.empty()) return;
    std::sort(durations.begin(), durations.end());
    const auto at = [&](double q) {
        return durations[static_cast<std::size_t>(q * static_cast<double>(durations.size() - 1))];
    };
    state.counters[prefix + "p50_us"] = at(0.50);
    state.counters[prefix + "p99_us"] = at(0.99);
}

// Percentiles over all the inputs, and over their first pass alone (lines never seen before).
void ReportPasses(benchmark::State& state, const std::vector<double>& durations) {
    ReportPercentiles(state, durations);
    const auto firstPass = std::min<std::size_t>(durations.size(), kInputCount);
    ReportPercentiles(state, {durations.begin(), durations.begin() + static_cast<long>(firstPass)},
                      "new_");
}

void BM_Reply(benchmark::State& state) {
    const GeneratedCharacter& generated = Generated(state);
    SetClock(std::make_shared<TFixedClock>(*EncodeDateTime({2003, 5, 4, 18, 7, 9, 0}),
                                           *EncodeDateTime({2003, 5, 4, 9, 7, 9, 0})));
    THandOverQueue hand_over;
    TCharacter character(generated.package, MakeCharacterServices(hand_over));
    TUser user;
    user.NickName = Utf8ToAnsi("たろう");
    character.SetUserProfile(user);

    std::vector<double> durations;
    std::size_t next = 0;
    long answered = 0;
    for (auto _ : state) {
        const std::u16string& input = generated.inputs[next++ % generated.inputs.size()];
        const double start = CpuMicroseconds();
        const std::u16string reply =
            character.EvaluateTags(character.Respond(input, kTableMaskAll));
        durations.push_back(CpuMicroseconds() - start);
        answered += reply.find(u"の話だね") != std::u16string::npos;
    }
    ReportPasses(state, durations);
    state.counters["from_patterns_%"] =
        100.0 * static_cast<double>(answered) / static_cast<double>(durations.size());
    SetClock(nullptr);
}
// Chat characters of 1k to 100k records and the AIML-shaped one; each input of the pool three
// times.
void OverTableSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"records", "aiml"});
    for (const int records : {1000, 10000, 50000, 100000}) benchmark->Args({records, kChat});
    benchmark->Args({96738, kAiml});
    benchmark->Unit(benchmark::kMicrosecond)->Iterations(3 * kInputCount);
}
BENCHMARK(BM_Reply)->Apply(OverTableSizes);

// The keys as the tables compile them and the lines as they reach the patterns, both in the
// program's code page.
std::vector<std::string> NormalisedKeys(const GeneratedCharacter& generated) {
    std::vector<std::string> keys;
    for (const std::string& key : generated.keys)
        keys.push_back(DigitPattern(NormalizeAnsi(Utf8ToAnsi(key))));
    return keys;
}
std::vector<std::string> NormalisedLines(const GeneratedCharacter& generated) {
    std::vector<std::string> lines;
    for (const std::u16string& input : generated.inputs)
        lines.push_back(NormalizeAnsi(Utf16ToAnsi(input)));
    return lines;
}

// The pattern set alone over the normalised keys and lines: which patterns occur in the line;
// build_ms for its first match (which builds the automaton and the prefilter), prefilter_MB and
// cache_MB after the last line; work/byte, the prefiltered runs' steps and scans per line byte.
void BM_Set(benchmark::State& state) {
    const GeneratedCharacter& generated = Generated(state);
    std::vector<std::unique_ptr<TbmRExp>> patterns;
    TbmRESet set(bmccCodePage2CharCode(CodePage()));
    for (const std::string& key : NormalisedKeys(generated)) {
        patterns.push_back(std::make_unique<TbmRExp>(set.CharCode()));
        patterns.back()->SetPattern(key);
        set.Add(patterns.back()->GetDFATable());
    }
    const std::vector<std::string> lines = NormalisedLines(generated);
    std::vector<std::uint32_t> found;
    const double buildStart = CpuMicroseconds();
    set.Match("", found);  // builds the automaton and the prefilter
    state.counters["build_ms"] = (CpuMicroseconds() - buildStart) / 1000;
    std::vector<double> durations;
    std::size_t next = 0;
    double work = 0, bytes = 0;
    for (auto _ : state) {
        const std::string& line = lines[next++ % lines.size()];
        const double start = CpuMicroseconds();
        if (!set.Match(line, found)) state.SkipWithError("the set gave up");
        durations.push_back(CpuMicroseconds() - start);
        work += static_cast<double>(set.PrefilteredWork());
        bytes += static_cast<double>(line.size());
    }
    ReportPasses(state, durations);
    state.counters["work/byte"] = bytes > 0 ? work / bytes : 0;
    state.counters["prefilter_MB"] = static_cast<double>(set.PrefilterMemory()) / (1 << 20);
    state.counters["cache_MB"] = static_cast<double>(set.CacheMemory()) / (1 << 20);
}
BENCHMARK(BM_Set)->Apply(OverTableSizes);

// RE2::Set over the same keys and lines, in UTF-8. Each line is matched twice: the first match
// gives p50_us and p99_us (and new_ ones), the repeat right after it warm_p50_us and warm_p99_us,
// RE2 with the states of that very line in its cache.
void BM_Re2Set(benchmark::State& state) {
    const GeneratedCharacter& generated = Generated(state);
    RE2::Options options;
    options.set_max_mem(int64_t{1} << 30);
    options.set_log_errors(false);
    RE2::Set set(options, RE2::UNANCHORED);
    std::vector<std::string> keys;
    for (const std::string& key : NormalisedKeys(generated)) keys.push_back(AnsiToUtf8(key));
    // What loading a character is held against: parsing and compiling the keys.
    const double compileStart = CpuMicroseconds();
    for (const std::string& key : keys) {
        if (set.Add(key, nullptr) < 0) state.SkipWithError("RE2::Set refused a pattern");
    }
    if (!set.Compile()) state.SkipWithError("RE2::Set did not compile");
    state.counters["compile_ms"] = (CpuMicroseconds() - compileStart) / 1000;
    std::vector<std::string> lines;
    for (const std::string& line : NormalisedLines(generated)) lines.push_back(AnsiToUtf8(line));

    std::vector<double> durations, repeats;
    std::vector<int> matched;
    std::size_t next = 0;
    long matchedLines = 0;
    for (auto _ : state) {
        const std::string& line = lines[next++ % lines.size()];
        double start = CpuMicroseconds();
        matched.clear();
        matchedLines += set.Match(line, &matched);
        durations.push_back(CpuMicroseconds() - start);
        start = CpuMicroseconds();
        set.Match(line, &matched);
        repeats.push_back(CpuMicroseconds() - start);
    }
    ReportPasses(state, durations);
    ReportPercentiles(state, repeats, "warm_");
    state.counters["matched_%"] =
        100.0 * static_cast<double>(matchedLines) / static_cast<double>(durations.size());
}
BENCHMARK(BM_Re2Set)->Apply(OverTableSizes);

// Loading the character: time, the peak resident set it adds, and allocations per record.
void BM_Load(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const std::string& package = Generated(state).package;
    double peak = 0;
    double freeing = 0;
    long allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();  // handing freed memory back is no part of the load
        const bench::TPeakMemory peakMemory;
        state.ResumeTiming();
        const long allocationsBefore = g_allocations.load();
        auto character = std::make_optional<TCharacter>(package);
        benchmark::DoNotOptimize(character->DataB2().AvailableCount());
        allocations = g_allocations.load() - allocationsBefore;
        state.PauseTiming();  // dropping the character again is no part of the load either
        peak = std::max(peak, peakMemory.AddedMegabytes());
        const double freeStart = CpuMicroseconds(CLOCK_PROCESS_CPUTIME_ID);
        character.reset();
        freeing += CpuMicroseconds(CLOCK_PROCESS_CPUTIME_ID) - freeStart;
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peak;
    state.counters["free_ms"] = freeing / 1000 / static_cast<double>(state.iterations());
    state.counters["allocs/record"] = static_cast<double>(allocations) / records;
}
BENCHMARK(BM_Load)
    ->ArgNames({"records", "aiml"})
    ->Args({10000, kChat})
    ->Args({100000, kChat})
    ->Args({96738, kAiml})
    ->MeasureProcessCPUTime()  // patterns compile on every core
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A hostile table: 100,000 records X.?.?.?.?.?.?Y whose X come from ten kana, so that thousands
// of runs live through every stretch of a message and no cache of matched states can hold them.
// It must load, answer through the record-by-record walk, and stay within bounded memory.
void BM_PathologicalTable(benchmark::State& state) {
    const std::u16string kana = u"あいうえおかきくけこさしすせそたちつてと";
    std::mt19937 random(17);
    std::vector<std::string> lines;
    for (int i = 0; i < 100000; ++i) {
        std::u16string key(1, kana[random() % 10]);
        for (int dot = 0; dot < 6; ++dot) key += u".?";
        key += kana[random() % kana.size()];
        lines.push_back(Utf16ToAnsi(key) + ",hit");
    }
    testing::TestCharacter files{"Hostile", "hostile"};
    files.Data("datab2", "hostile.txt", lines).Data("datac2", "plain.txt", {"miss"});
    const std::string package = files.Write();

    const bench::TPeakMemory peakMemory;
    const double loadStart = CpuMicroseconds();
    TCharacter character(package);
    const double loadMs = (CpuMicroseconds() - loadStart) / 1000;
    std::vector<double> durations;
    long hits = 0;
    for (auto _ : state) {
        std::u16string input;
        for (int i = 0; i < 60; ++i) input += kana[random() % kana.size()];
        const double start = CpuMicroseconds();
        hits += character.Respond(input, kTableMaskAll) == u"hit";
        durations.push_back(CpuMicroseconds() - start);
    }
    ReportPercentiles(state, durations);
    state.counters["load_ms"] = loadMs;
    state.counters["peak_MB"] = peakMemory.AddedMegabytes();
    state.counters["hits_%"] =
        100.0 * static_cast<double>(hits) / static_cast<double>(durations.size());
}
BENCHMARK(BM_PathologicalTable)->Unit(benchmark::kMicrosecond)->Iterations(50);

}  // namespace
}  // namespace kiova
