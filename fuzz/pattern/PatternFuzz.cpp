// Compile and search any pattern and text in any character code: no crash, no leak, bounded
// memory, every match lies inside the text, the search through range transitions and the one
// through the search table agree, the match filter never rules out a text in which a search from
// its first byte finds a match, and a pattern set holding the pattern reports it exactly then.
// Input: one byte of settings, then the pattern
// (length-prefixed by the fuzzer's data provider), then the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "bmRESearch.h"
#include "bmRESearchText.h"
#include "bmRESet.h"
#include "bmRExp.h"

namespace {

constexpr kiova::TbmCharCode kCodes[] = {
    kiova::TbmCharCode::ShiftJIS, kiova::TbmCharCode::JapaneseEUC, kiova::TbmCharCode::Western,
    kiova::TbmCharCode::UniCode, kiova::TbmCharCode::UTF8};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint8_t settings = input.ConsumeIntegral<std::uint8_t>();
    const std::string pattern = input.ConsumeRandomLengthString(4096);
    const std::string text = input.ConsumeRemainingBytesAsString();

    kiova::TbmRExp re(kCodes[settings % std::size(kCodes)]);
    re.SetOption(kiova::bmreoIgnoreCase, (settings & 4) != 0);
    re.SetOption(kiova::bmreoRegExpSyntax, (settings & 8) == 0);
    re.SetPattern(pattern);
    const int start = (settings & 16) != 0 ? 1 + static_cast<int>(settings >> 5) : 1;
    try {
        int length = -1;
        const int position = re.Match(text, start, length);
        const auto end = static_cast<std::size_t>(position) - 1 + static_cast<std::size_t>(length);
        if (length < 0 || (position == 0 && length != 0) || (position > 0 && end > text.size())) {
            __builtin_trap();
        }
        // The cached automaton gives the same answer.
        int again = -1;
        if (re.Match(text, start, again) != position || again != length) __builtin_trap();
        int byRanges = -1, byTable = -1;
        if (SearchDFA(text, start - 1, re.GetCharCode(), re.GetDFATable(), byRanges) !=
                SearchDFA(text, start - 1, re.GetSearchTable(), byTable) ||
            byRanges != byTable || byTable != length) {
            __builtin_trap();
        }
        if (start == 1 && position > 0 &&
            !re.Filter().MayMatchIn(kiova::TbmRESearchText(text, re.GetCharCode()))) {
            __builtin_trap();
        }
        if (start == 1) {
            kiova::TbmRESet set(re.GetCharCode());
            set.Add(re.GetDFATable());
            std::vector<std::uint32_t> found;
            if (set.Match(text, found) && found.empty() == (position > 0)) __builtin_trap();
        }
    } catch (const kiova::EbmREToken&) {
        if (re.Compiled()) __builtin_trap();  // a failed compile leaves the pattern uncompiled
    } catch (const std::invalid_argument&) {
        // A UniCode pattern or text of odd byte length.
    }
    return 0;
}
