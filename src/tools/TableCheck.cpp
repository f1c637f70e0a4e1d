#include "TableCheck.h"

#include <algorithm>
#include <chrono>
#include <functional>

#include "Character.h"
#include "CodePage.h"
#include "DataFile.h"
#include "KiovaData.h"
#include "KiovaError.h"
#include "TagTextCheck.h"
#include "TextUtils.h"
#include "bmREToken.h"
#include "bmRExp.h"

namespace kiova::tool {
namespace {

// Past this many keys (8 MB of hashes) later groups are no longer checked for keys that an
// earlier group already answers, so that memory stays bounded.
constexpr size_t kMaxEarlierKeys = size_t{1} << 20;

bool IsBlank(char c) {
    return c >= 1 && c <= 32;
}

// Whether a field of the field list opens a quote that the line never closes, so that the field
// runs to the end of the line. Walks the line as the field splitter does.
bool HasUnclosedQuote(std::string_view line, int code_page) {
    size_t i = 0;
    auto step = [&] { i += IsLeadByte(static_cast<unsigned char>(line[i]), code_page) ? 2 : 1; };
    while (i < line.size() && IsBlank(line[i])) ++i;
    while (i < line.size() && line[i] != '\0') {
        if (line[i] == '"') {
            for (++i;; step()) {
                if (i >= line.size()) return true;
                if (line[i] != '"') continue;
                if (i + 1 < line.size() && line[i + 1] == '"') {
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
        } else {
            while (i < line.size() && !IsBlank(line[i]) && line[i] != ',') step();
        }
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i < line.size() && line[i] == ',')
            for (++i; i < line.size() && IsBlank(line[i]);) ++i;
    }
    return false;
}

size_t KeyCount(char kind) {
    return kind == 'A' ? 2 : kind == 'C' ? 0 : 1;
}

std::string TableName(int bit) {
    return std::string(kTableKeys[static_cast<size_t>(bit)]);
}

// Whether a compiled pattern is found in any message: in the empty one and in two others.
bool MatchesEveryInput(TbmRExp& pattern) {
    for (std::string_view probe : {"", "A", "{NOTHINGSAID}"})
        if (pattern.Match(probe, 1) == 0) return false;
    return true;
}

}  // namespace

TTableCheck::TTableCheck(TCheckContext& context, int bit, TPatternFigures& patterns)
    : context_(context),
      bit_(bit),
      kind_(kTableKinds[static_cast<size_t>(bit)]),
      repeats_(bit % 2 == 1),
      patterns_(patterns) {}

void TTableCheck::CheckFile(const TPlace& named_at, std::string_view ansi_path) {
    if (!context_.CheckFileExists(named_at, "data file", ansi_path)) return;
    ++files_;
    const std::string file(ansi_path);
    TPlace place{file, 1};
    try {
        TDataLineReader reader(file);
        bool deciphered = true;
        for (std::string line; reader.Next(line);) {
            place.line = reader.LineNumber();
            const std::optional<size_t> invalid = FirstInvalidByte(line, context_.CodePage());
            if (invalid && !reader.Enciphered())
                context_.Report().Error(
                    place, "bytes that are no " + std::string(CodePageName(context_.CodePage())) +
                               " text at column " + std::to_string(*invalid + 1));
            if (deciphered && reader.Enciphered() &&
                AnsiToUtf16(line, context_.CodePage()).find(u'\uFFFD') != std::u16string::npos) {
                deciphered = false;
                context_.Report().Error(place,
                                        "the enciphered file does not decipher: this line is no "
                                        "text in the code page (a damaged header or key?)");
                // The rest would be noise; its records are still counted, as the program loads
                // them.
                context_.Report().SetMuted(true);
            }
            if (!CheckLine(place, line)) break;
        }
        context_.Report().SetMuted(false);
        if (reader.EndedAtNul()) {
            const uint32_t unread = reader.CountLinesAfterNul();
            context_.Report().Warning(
                {file, reader.NulLine()},
                "a NUL byte: reading stops here, so the rest of this line and the " +
                    std::to_string(unread) + " line(s) after it are never read");
        }
    } catch (const EKiovaError& error) {
        context_.Report().SetMuted(false);
        context_.Report().Error(place, error.what());
    }
}

bool TTableCheck::CheckLine(const TPlace& place, const std::string& line) {
    TRecordKey key;
    std::string answer = line;
    bool matches_all = false;
    if (kind_ == 'C') {
        const std::string marker = NormalizeAnsi(line, context_.CodePage());
        if (marker == kEndOfDataMarker) return false;
        if (marker == kPriorMarker) {
            StartGroup(place);
            return true;
        }
    } else {
        std::vector<std::string> fields = SplitFieldList(line, context_.CodePage());
        const size_t needed = KeyCount(kind_) + 1;
        const bool unclosed = HasUnclosedQuote(line, context_.CodePage());
        if (fields.size() < needed) {
            if (fields.empty()) return true;  // a blank line
            context_.Report().Warning(
                place, "line skipped: " + std::to_string(fields.size()) + " field(s), " +
                           TableName(bit_) + " needs " + std::to_string(needed) +
                           (unclosed ? " (a quote never closes, so the rest of the line is one "
                                       "field)"
                                     : ""));
            return true;
        }
        if (unclosed)
            context_.Report().Warning(
                place, "a quote never closes: its field runs to the end of the line");
        const std::string first = DigitPattern(NormalizeAnsi(fields[0], context_.CodePage()));
        if (first == kEndOfDataMarker) return false;
        if (first == kPriorMarker) {
            StartGroup(place);
            return true;
        }
        for (size_t i = 0; i + 1 < needed; ++i) {
            const std::string pattern =
                i == 0 ? first : DigitPattern(NormalizeAnsi(fields[i], context_.CodePage()));
            key.text += (i == 0 ? "" : ",") + pattern;
            bool all = false;
            if (kind_ != '0' && CheckPattern(place, pattern, all)) matches_all = i == 0 && all;
        }
        if (kind_ == '0') CheckTagText(context_, place, fields[0], ETagText::Condition);
        answer = std::move(fields[needed - 1]);
    }
    ++records_;
    CheckTagText(context_, place, answer, ETagText::Answer);
    key.hash = std::hash<std::string>{}(key.text);
    CheckReachable(place, key, matches_all);
    return true;
}

bool TTableCheck::CheckPattern(const TPlace& place, const std::string& pattern, bool& matches_all) {
    ++patterns_.count;
    TbmRExp compiled(bmccCodePage2CharCode(context_.CodePage()));
    compiled.SetPattern(pattern);
    const auto start = std::chrono::steady_clock::now();
    try {
        compiled.Filter();
        matches_all = MatchesEveryInput(compiled);
    } catch (const std::exception& error) {  // EbmREToken, with the engine's message
        context_.Report().Error(place, "pattern " + Quoted(pattern, context_.CodePage()) +
                                           " does not compile: " + error.what() +
                                           " (the record never answers)");
        return false;
    }
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (milliseconds > patterns_.slowest.milliseconds)
        patterns_.slowest = {milliseconds, pattern, std::string(place.file), place.line};
    return true;
}

void TTableCheck::StartGroup(const TPlace& place) {
    // A repeating plain table answers from its first group with records, every time.
    if (repeats_ && kind_ == 'C' && group_has_records_ && always_pattern_.empty() &&
        always_line_ == 0) {
        always_file_ = place.file;
        always_line_ = place.line;
    }
    always_in_this_group_ = false;
    group_has_records_ = false;
    if (earlier_keys_.size() + group_keys_.size() > kMaxEarlierKeys) keys_overflowed_ = true;
    if (keys_overflowed_) return group_keys_.clear();
    std::sort(group_keys_.begin(), group_keys_.end());
    const auto middle = static_cast<std::ptrdiff_t>(earlier_keys_.size());
    earlier_keys_.insert(earlier_keys_.end(), group_keys_.begin(), group_keys_.end());
    std::inplace_merge(earlier_keys_.begin(), earlier_keys_.begin() + middle, earlier_keys_.end());
    earlier_keys_.erase(std::unique(earlier_keys_.begin(), earlier_keys_.end()),
                        earlier_keys_.end());
    group_keys_.clear();
}

void TTableCheck::CheckReachable(const TPlace& place, const TRecordKey& key, bool matches_all) {
    group_has_records_ = true;
    if (always_line_ != 0 && !always_in_this_group_) ++records_after_always_;
    if (!repeats_) return;
    if (kind_ == 'B' && matches_all && always_line_ == 0) {
        always_file_ = place.file;
        always_line_ = place.line;
        always_pattern_ = key.text;
        always_in_this_group_ = true;
    }
    if (kind_ == '0' || kind_ == 'C' || keys_overflowed_) return;
    if (std::binary_search(earlier_keys_.begin(), earlier_keys_.end(), key.hash))
        context_.Report().Warning(place, "this record never answers: an earlier group of " +
                                             TableName(bit_) + " has the key " +
                                             Quoted(key.text, context_.CodePage()) +
                                             " too, and the table repeats, so that group "
                                             "answers first every time");
    group_keys_.push_back(key.hash);
}

void TTableCheck::Finish() {
    if (records_after_always_ == 0) return;
    const std::string after =
        "the " + std::to_string(records_after_always_) + " record(s) after this group never answer";
    if (always_pattern_.empty())
        context_.Report().Warning(
            {always_file_, always_line_},
            TableName(bit_) + " repeats and its first group always answers: " + after);
    else
        context_.Report().Warning({always_file_, always_line_},
                                  "pattern " + Quoted(always_pattern_, context_.CodePage()) +
                                      " matches every input: " + after);
}

}  // namespace kiova::tool
