// Compile and search times of typical dialogue patterns: our engine (Shift JIS bytes) against
// RE2 in longest-match mode (UTF-8) and std::wregex with POSIX leftmost-longest rules (UTF-32),
// all on the same patterns and lines; and one line against 10,000 compiled patterns. The
// "Filtered" cases search as the dialogue tables do: each line is prepared once
// (TbmRESearchText) and each pattern's match filter, kept beside it, rules most lines out.
// Long texts: every match of nine alternations in 5 MB of DNA letters and of nine word
// alternations in 5 MB of English-like and of Japanese prose (ns per byte, against RE2 on
// UTF-8; "Runs" is the one-pass search stepping every live run, where Match uses the lazy
// automaton),
// a* b in a run of "a" (the cost of restarting at every position), and refusing a 1 MB pattern.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <re2/re2.h>

#include <algorithm>
#include <memory>
#include <random>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "PeakMemory.h"
#include "bmREDFA.h"
#include "bmREMatchFilter.h"
#include "bmRESearch.h"
#include "bmRESearchText.h"
#include "bmRExp.h"

namespace kiova {
namespace {

std::string Convert(const std::string& text, const char* to) {
    iconv_t cd = iconv_open(to, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        iconv_close(cd);
        throw std::runtime_error("not convertible: " + text);
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

std::string ToSjis(const std::string& utf8) {
    return Convert(utf8, "CP932");
}

std::wstring ToWide(const std::string& utf8) {
    const std::string bytes = Convert(utf8, "WCHAR_T");
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()),
                        bytes.size() / sizeof(wchar_t));
}

// Patterns as character authors write them: short literals, alternatives, classes, dots.
const std::vector<std::string> kPatterns = {
    "(こんにちは|こんばんは|おはよう)",
    "(好き|すき)[だで]",
    "天気.*(いい|良い)",
    "(はい|うん|ええ)",
    "[0-9]+円",
    "(ねえ|ねぇ|なあ).*(聞いて|きいて)",
    "(疲れ|つかれ)た",
    "(何|なに)(して|やって)(る|いる)",
    "おなか(すいた|へった|空いた)",
    "(ありがとう|感謝|サンキュー)",
};

// Lines of dialogue length (10 to 100 bytes in Shift JIS).
const std::vector<std::string> kLines = {
    "こんにちは",
    "ねえねえ、ちょっと聞いてよ",
    "今日はいい天気だね、散歩に行きたいな",
    "おなかすいた",
    "昨日の夜は遅くまでゲームをしていたので、今朝はとても眠いです",
    "このケーキは500円でした",
    "うん、わかった",
    "ところで、最近なにしてるの？何か面白いことあった？",
    "本当にありがとう、とても助かりました。また今度お礼をさせてください",
    "今日は仕事で本当に疲れたよ。早く帰って休みたいなあ。明日も朝から会議があるんだ",
};

RE2::Options Re2Options() {
    RE2::Options options;
    options.set_longest_match(true);
    options.set_log_errors(false);
    return options;
}

constexpr auto kWregexFlags = std::regex::extended;

void BM_CompileKiova(benchmark::State& state) {
    std::vector<std::string> patterns;
    for (const std::string& p : kPatterns) patterns.push_back(ToSjis(p));
    for (auto _ : state) {
        for (const std::string& p : patterns) {
            TbmRExp re(TbmCharCode::ShiftJIS);
            re.SetPattern(p);
            benchmark::DoNotOptimize(&re.GetDFATable());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(patterns.size()));
}
BENCHMARK(BM_CompileKiova);

void BM_CompileRe2(benchmark::State& state) {
    const RE2::Options options = Re2Options();
    for (auto _ : state) {
        for (const std::string& p : kPatterns) {
            RE2 re(p, options);
            benchmark::DoNotOptimize(re.ok());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kPatterns.size()));
}
BENCHMARK(BM_CompileRe2);

// RE2 builds its automaton lazily: one search right after compiling includes that work.
void BM_CompileRe2WithFirstSearch(benchmark::State& state) {
    const RE2::Options options = Re2Options();
    for (auto _ : state) {
        for (const std::string& p : kPatterns) {
            RE2 re(p, options);
            re2::StringPiece found;
            benchmark::DoNotOptimize(re.Match("", 0, 0, RE2::UNANCHORED, &found, 1));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kPatterns.size()));
}
BENCHMARK(BM_CompileRe2WithFirstSearch);

void BM_CompileStdRegex(benchmark::State& state) {
    std::vector<std::wstring> patterns;
    for (const std::string& p : kPatterns) patterns.push_back(ToWide(p));
    for (auto _ : state) {
        for (const std::wstring& p : patterns) {
            std::wregex re(p, kWregexFlags);
            benchmark::DoNotOptimize(re.mark_count());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(patterns.size()));
}
BENCHMARK(BM_CompileStdRegex);

// Items: one (pattern, line) search.
// A compiled pattern with its match filter beside it, as a dialogue table keeps it.
struct FilteredPattern {
    std::unique_ptr<TbmRExp> re;
    TbmREMatchFilter filter;

    explicit FilteredPattern(const std::string& sjis)
        : re(std::make_unique<TbmRExp>(TbmCharCode::ShiftJIS)) {
        re->SetPattern(sjis);
        filter = re->Filter();
    }
    bool FoundIn(const TbmRESearchText& text) const {
        return filter.MayMatchIn(text) && re->Match(text.Bytes(), 1) != 0;
    }
};

void BM_SearchKiova(benchmark::State& state) {
    std::vector<std::unique_ptr<TbmRExp>> patterns;
    for (const std::string& p : kPatterns) {
        patterns.push_back(std::make_unique<TbmRExp>(TbmCharCode::ShiftJIS));
        patterns.back()->SetPattern(ToSjis(p));
        patterns.back()->GetDFATable();
    }
    std::vector<std::string> lines;
    for (const std::string& line : kLines) lines.push_back(ToSjis(line));
    for (auto _ : state) {
        for (const auto& re : patterns) {
            for (const std::string& line : lines) {
                int length = 0;
                benchmark::DoNotOptimize(re->Match(line, 1, length));
                benchmark::DoNotOptimize(length);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(patterns.size() * lines.size()));
}
BENCHMARK(BM_SearchKiova);

// Items: one (pattern, line) search; each line is prepared once per iteration.
void BM_SearchKiovaFiltered(benchmark::State& state) {
    std::vector<FilteredPattern> patterns;
    for (const std::string& p : kPatterns) patterns.emplace_back(ToSjis(p));
    std::vector<std::string> lines;
    for (const std::string& line : kLines) lines.push_back(ToSjis(line));
    for (auto _ : state) {
        for (const std::string& line : lines) {
            const TbmRESearchText text(line, TbmCharCode::ShiftJIS);
            for (const FilteredPattern& pattern : patterns)
                benchmark::DoNotOptimize(pattern.FoundIn(text));
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(patterns.size() * lines.size()));
}
BENCHMARK(BM_SearchKiovaFiltered);

void BM_SearchRe2(benchmark::State& state) {
    const RE2::Options options = Re2Options();
    std::vector<std::unique_ptr<RE2>> patterns;
    for (const std::string& p : kPatterns) patterns.push_back(std::make_unique<RE2>(p, options));
    for (auto _ : state) {
        for (const auto& re : patterns) {
            for (const std::string& line : kLines) {
                re2::StringPiece found;
                benchmark::DoNotOptimize(
                    re->Match(line, 0, line.size(), RE2::UNANCHORED, &found, 1));
                benchmark::DoNotOptimize(found);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(patterns.size() * kLines.size()));
}
BENCHMARK(BM_SearchRe2);

void BM_SearchStdRegex(benchmark::State& state) {
    std::vector<std::wregex> patterns;
    for (const std::string& p : kPatterns) patterns.emplace_back(ToWide(p), kWregexFlags);
    std::vector<std::wstring> lines;
    for (const std::string& line : kLines) lines.push_back(ToWide(line));
    for (auto _ : state) {
        for (const std::wregex& re : patterns) {
            for (const std::wstring& line : lines) {
                std::wsmatch found;
                benchmark::DoNotOptimize(std::regex_search(line, found, re));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(patterns.size() * lines.size()));
}
BENCHMARK(BM_SearchStdRegex);

// 10,000 patterns made of dialogue words, as a large character's tables hold them.
std::vector<std::string> ManyPatterns() {
    const std::vector<std::string> words = {
        "こんにちは", "天気",   "好き", "嫌い", "ゲーム", "仕事", "疲れ", "眠い", "ご飯", "おなか",
        "ありがとう", "ごめん", "映画", "音楽", "猫",     "犬",   "雨",   "雪",   "夏",   "冬",
        "学校",       "宿題",   "友達", "旅行", "海",     "山",   "電車", "本",   "漫画", "料理"};
    std::mt19937 random(7);
    const auto word = [&] { return words[random() % words.size()]; };
    std::vector<std::string> patterns;
    while (patterns.size() < 10000) {
        switch (random() % 5) {
            case 0:
                patterns.push_back(word() + std::to_string(random() % 1000));
                break;
            case 1:
                patterns.push_back("(" + word() + "|" + word() + ")" +
                                   std::to_string(random() % 100));
                break;
            case 2:
                patterns.push_back(word() + ".*" + word() + "[0-9]" +
                                   std::to_string(random() % 100));
                break;
            case 3:
                patterns.push_back("^" + word() + "(が|は)" + word() +
                                   std::to_string(random() % 100));
                break;
            default:
                patterns.push_back(word() + "[をにで]" + word() + "?" +
                                   std::to_string(random() % 100));
                break;
        }
    }
    return patterns;
}

const std::string kOneLine = "今日は仕事で本当に疲れたよ。早く帰ってご飯を食べたいなあ";

void BM_TenThousandPatternsKiova(benchmark::State& state) {
    std::vector<std::unique_ptr<TbmRExp>> patterns;
    for (const std::string& p : ManyPatterns()) {
        patterns.push_back(std::make_unique<TbmRExp>(TbmCharCode::ShiftJIS));
        patterns.back()->SetPattern(ToSjis(p));
        patterns.back()->GetDFATable();
    }
    const std::string line = ToSjis(kOneLine);
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const auto& re : patterns) hits += re->Match(line, 1) != 0;
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}
BENCHMARK(BM_TenThousandPatternsKiova)->Unit(benchmark::kMicrosecond);

void BM_TenThousandPatternsKiovaFiltered(benchmark::State& state) {
    std::vector<FilteredPattern> patterns;
    for (const std::string& p : ManyPatterns()) patterns.emplace_back(ToSjis(p));
    const std::string line = ToSjis(kOneLine);
    int hits = 0;
    for (auto _ : state) {
        const TbmRESearchText text(line, TbmCharCode::ShiftJIS);
        hits = 0;
        for (const FilteredPattern& pattern : patterns) hits += pattern.FoundIn(text);
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}
BENCHMARK(BM_TenThousandPatternsKiovaFiltered)->Unit(benchmark::kMicrosecond);

void BM_TenThousandPatternsRe2(benchmark::State& state) {
    const RE2::Options options = Re2Options();
    std::vector<std::unique_ptr<RE2>> patterns;
    for (const std::string& p : ManyPatterns())
        patterns.push_back(std::make_unique<RE2>(p, options));
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const auto& re : patterns) {
            re2::StringPiece found;
            hits += re->Match(kOneLine, 0, kOneLine.size(), RE2::UNANCHORED, &found, 1);
        }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}
BENCHMARK(BM_TenThousandPatternsRe2)->Unit(benchmark::kMicrosecond);

void BM_TenThousandPatternsCompileKiova(benchmark::State& state) {
    std::vector<std::string> patterns;
    for (const std::string& p : ManyPatterns()) patterns.push_back(ToSjis(p));
    for (auto _ : state) {
        for (const std::string& p : patterns) {
            TbmRExp re(TbmCharCode::ShiftJIS);
            re.SetPattern(p);
            benchmark::DoNotOptimize(&re.GetDFATable());
        }
    }
}
BENCHMARK(BM_TenThousandPatternsCompileKiova)->Unit(benchmark::kMillisecond);

void BM_TenThousandPatternsCompileRe2(benchmark::State& state) {
    const RE2::Options options = Re2Options();
    const std::vector<std::string> patterns = ManyPatterns();
    for (auto _ : state) {
        for (const std::string& p : patterns) {
            RE2 re(p, options);
            benchmark::DoNotOptimize(re.ok());
        }
    }
}
BENCHMARK(BM_TenThousandPatternsCompileRe2)->Unit(benchmark::kMillisecond);

// DNA-style text: the letters a, c, g, t drawn at random.
const std::string& DnaText() {
    static const std::string text = [] {
        std::mt19937 random(5);
        std::string dna(5 << 20, 'a');
        for (char& c : dna) c = "acgt"[random() % 4];
        return dna;
    }();
    return text;
}

const std::vector<std::string> kDnaPatterns = {
    "agggtaaa|tttaccct",         "[cgt]gggtaaa|tttaccc[acg]", "a[act]ggtaaa|tttacc[agt]t",
    "ag[act]gtaaa|tttac[agt]ct", "agg[act]taaa|ttta[agt]cct", "aggg[acg]aaa|ttt[cgt]ccct",
    "agggt[cgt]aa|tt[acg]accct", "agggta[cgt]a|t[acg]taccct", "agggtaa[cgt]|[acg]ttaccct"};

// English-like prose: common words drawn at random into sentences and lines of about 70 bytes.
const std::string& ProseText() {
    static const std::string text = [] {
        const std::vector<std::string> words = {
            "the",    "of",     "and",   "to",      "a",      "in",     "that",    "it",
            "was",    "he",     "she",   "his",     "her",    "with",   "for",     "as",
            "had",    "on",     "at",    "by",      "not",    "but",    "from",    "they",
            "old",    "young",  "man",   "woman",   "child",  "house",  "door",    "window",
            "river",  "road",   "town",  "village", "letter", "night",  "morning", "evening",
            "walked", "looked", "said",  "thought", "came",   "went",   "quiet",   "bright",
            "long",   "small",  "great", "little",  "dark",   "garden", "station", "street",
            "friend", "doctor", "train", "table",   "hand",   "eyes",   "voice",   "room"};
        std::mt19937 random(11);
        std::string prose;
        std::size_t lineStart = 0;
        bool sentenceStart = true;
        while (prose.size() < (5u << 20)) {
            std::string word = words[random() % words.size()];
            if (sentenceStart) word[0] = static_cast<char>(word[0] - 'a' + 'A');
            prose += word;
            sentenceStart = random() % 12 == 0;
            if (sentenceStart) prose += '.';
            if (prose.size() - lineStart > 70) {
                prose += '\n';
                lineStart = prose.size();
            } else {
                prose += ' ';
            }
        }
        return prose;
    }();
    return text;
}

const std::vector<std::string> kProsePatterns = {"Holloway|Pemberton|Ashcombe",
                                                 "doctor|letter|station|telegram",
                                                 "(old|young) (man|woman|child)",
                                                 "[Tt]he (dark|quiet) (road|street|garden)",
                                                 "walked (to|from) the (town|village)",
                                                 "looked at (his|her) (hand|eyes)",
                                                 "(morning|evening|night) train",
                                                 "small (house|room|table)",
                                                 "friend|window|voice"};

// Japanese prose: everyday words drawn at random into sentences and lines of about 60
// characters (UTF-8; searched in Shift JIS by our engine).
const std::string& JapaneseText() {
    static const std::string text = [] {
        const std::vector<std::string> words = {
            "今日", "明日", "昨日", "天気",   "雨",   "晴れ",     "猫",     "犬",   "鳥",
            "学校", "先生", "友達", "電車",   "駅",   "ご飯",     "お茶",   "本",   "映画",
            "は",   "が",   "を",   "に",     "で",   "と",       "の",     "も",   "好き",
            "行く", "来る", "見る", "食べる", "話す", "ちょっと", "とても", "少し", "ありがとう",
            "ねえ", "あの", "その", "ここ",   "そこ", "まだ",     "もう",   "すぐ", "いつも"};
        std::mt19937 random(13);
        std::string prose;
        int lineChars = 0;
        while (prose.size() < (5u << 20)) {
            const std::string& word = words[random() % words.size()];
            prose += word;
            lineChars += static_cast<int>(word.size() / 3);
            if (random() % 10 == 0) prose += random() % 2 == 0 ? "、" : "。";
            if (lineChars > 60) {
                prose += '\n';
                lineChars = 0;
            }
        }
        return prose;
    }();
    return text;
}

// One pattern a line.
std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t from = 0, to; from < text.size(); from = to + 1) {
        to = std::min(text.find('\n', from), text.size());
        lines.emplace_back(text.substr(from, to - from));
    }
    return lines;
}

const std::vector<std::string> kJapanesePatterns = Lines(R"(こんにちは|さようなら|おはよう
(今日|明日)は(雨|晴れ)
猫[はが]好き
(犬|鳥)と(猫|友達)
電車で(学校|駅)
ありがとう。
とても(好き|少し)
先生|映画|お茶
もう(行く|来る))");

// Every match of each pattern in `makeText()` (both UTF-8, searched in Shift JIS), each search
// going on after the last match; `search(re, text, start, length)` gives a 0-based position or
// -1. Items: bytes scanned.
template <class Search>
void BM_LongText(benchmark::State& state, const std::string& (*makeText)(),
                 const std::vector<std::string>& sources, Search search) {
    const std::string text = ToSjis(makeText());
    std::vector<std::unique_ptr<TbmRExp>> patterns;
    for (const std::string& p : sources) {
        patterns.push_back(std::make_unique<TbmRExp>(TbmCharCode::ShiftJIS));
        patterns.back()->SetPattern(ToSjis(p));
    }
    long matches = 0;
    for (auto _ : state) {
        matches = 0;
        for (const auto& re : patterns) {
            int length = 0;
            for (int at = search(*re, text, 0, length); at >= 0;
                 at = search(*re, text, at + std::max(length, 1), length)) {
                ++matches;
            }
        }
    }
    state.counters["matches"] = static_cast<double>(matches);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(text.size() * patterns.size()));
}

// Through Match: the lazy automaton for texts this long.
int SearchByMatch(TbmRExp& re, const std::string& text, int start, int& length) {
    return re.Match(text, start + 1, length) - 1;
}

// The one-pass search stepping every live run, for comparison.
int SearchByRuns(TbmRExp& re, const std::string& text, int start, int& length) {
    return SearchDFA(text, start, re.GetSearchTable(), length);
}

void BM_LongTextRe2(benchmark::State& state, const std::string& (*makeText)(),
                    const std::vector<std::string>& sources) {
    const std::string& text = makeText();
    const RE2::Options options = Re2Options();
    std::vector<std::unique_ptr<RE2>> patterns;
    for (const std::string& p : sources) patterns.push_back(std::make_unique<RE2>(p, options));
    long matches = 0;
    for (auto _ : state) {
        matches = 0;
        for (const auto& re : patterns) {
            re2::StringPiece found;
            for (std::size_t at = 0;
                 re->Match(text, at, text.size(), RE2::UNANCHORED, &found, 1);) {
                ++matches;
                at = static_cast<std::size_t>(found.data() - text.data()) +
                     std::max<std::size_t>(found.size(), 1);
            }
        }
    }
    state.counters["matches"] = static_cast<double>(matches);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(text.size() * patterns.size()));
}

BENCHMARK_CAPTURE(BM_LongText, Dna, DnaText, kDnaPatterns, SearchByMatch)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongText, DnaRuns, DnaText, kDnaPatterns, SearchByRuns)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongTextRe2, Dna, DnaText, kDnaPatterns)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongText, Prose, ProseText, kProsePatterns, SearchByMatch)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongText, ProseRuns, ProseText, kProsePatterns, SearchByRuns)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongTextRe2, Prose, ProseText, kProsePatterns)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongText, Japanese, JapaneseText, kJapanesePatterns, SearchByMatch)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongText, JapaneseRuns, JapaneseText, kJapanesePatterns, SearchByRuns)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongTextRe2, Japanese, JapaneseText, kJapanesePatterns)
    ->Unit(benchmark::kMillisecond);

// a*b in a run of "a" with no b: a search that restarts at every position is quadratic.
void BM_RunWithoutMatch(benchmark::State& state) {
    TbmRExp re(TbmCharCode::ShiftJIS);
    re.SetPattern("a*b");
    const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
    for (auto _ : state) benchmark::DoNotOptimize(re.Match(text, 1));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RunWithoutMatch)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

// A pattern of plain letters far past what the automaton may hold: time and the peak resident
// set it adds before it is refused as too complex.
void BM_RefuseHugePattern(benchmark::State& state) {
    std::mt19937 random(3);
    std::string pattern(static_cast<std::size_t>(state.range(0)), 'a');
    for (char& c : pattern) c = static_cast<char>('a' + random() % 26);
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();  // handing freed memory back is no part of the compile
        const bench::TPeakMemory peakMemory;
        state.ResumeTiming();
        TbmRExp re(TbmCharCode::ShiftJIS);
        re.SetPattern(pattern);
        try {
            re.Match("", 1);
            state.SkipWithError("the pattern compiled");
        } catch (const EbmREToken&) {
        }
        peak = std::max(peak, peakMemory.AddedMegabytes());
    }
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_RefuseHugePattern)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kiova
