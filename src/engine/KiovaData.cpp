// Loading and answering, common to the four table kinds.
//
// In:  data files (lines of ANSI text, possibly enciphered) and, per turn, a normalised message.
// Out: records in file order across files; per turn, one answer or empty text.
// Always: the available count equals the number of records that are neither markers nor used;
// a marker record is never a candidate; a used record never comes back.
#include "KiovaData.h"

#include "CodePage.h"
#include "DataFile.h"
#include "Files.h"
#include "TextUtils.h"
#include "bmRESearchText.h"

namespace kiova {

TKiovaData::TKiovaData(bool once_only, TEvaluator evaluator, int code_page)
    : evaluator_(std::move(evaluator)),
      once_only_(once_only),
      code_page_(code_page),
      char_code_(bmccCodePage2CharCode(code_page)) {}

TKiovaData::~TKiovaData() = default;

void TKiovaData::LoadFromFile(std::string_view path) {
    if (!FileExists(path)) return;
    TDataLineReader reader(path);
    const auto file = static_cast<std::uint16_t>(loaded_files_.size());
    for (std::string line; reader.Next(line);) {
        std::optional<TRecordText> record = ReadRecord(line);
        if (!record) continue;
        const std::string& first_key = record->keys.front();
        if (first_key == kEndOfDataMarker) break;
        const bool prior = first_key == kPriorMarker;
        if (prior) ++groups_;
        entries_.push_back({prior ? std::string(kPriorMarker) : std::move(record->answer), groups_,
                            reader.LineNumber(), file, false, prior});
        AddKeys(std::move(record->keys), prior);
        if (!prior) ++available_count_;
    }
    loaded_files_.emplace_back(path);
    Prepare();
    candidates_ = TAnswerList(static_cast<int>(entries_.size()));
}

std::string TKiovaData::Answer(std::string_view message) {
    if (entries_.empty()) return {};
    candidates_.Clear();
    const TbmRESearchText searched(std::string{message},
                                   char_code_);  // read once for all the patterns
    if (FindMatches(searched, matches_))
        TakeFirstGroup(matches_);
    else
        WalkGroups(searched);
    if (candidates_.Count() == 0) return {};
    last_choice_ = static_cast<std::uint32_t>(candidates_.Choose());
    TEntry& chosen = entries_[last_choice_];
    if (once_only_) {
        chosen.used = true;
        --available_count_;
    }
    return chosen.answer;
}

void TKiovaData::WalkGroups(const TbmRESearchText& message) {
    for (size_t i = 0, count = entries_.size(); i < count; ++i) {
        const TEntry& entry = entries_[i];
        if (entry.prior) {
            if (candidates_.Count() > 0) return;
            continue;
        }
        if (!entry.used && Test(i, message)) candidates_.Add(static_cast<int32_t>(i));
    }
}

void TKiovaData::TakeFirstGroup(const std::vector<std::uint32_t>& matches) {
    std::uint32_t group = 0;
    for (const std::uint32_t i : matches) {
        const TEntry& entry = entries_[i];
        if (entry.prior || entry.used) continue;
        if (candidates_.Count() > 0 && entry.group != group) return;
        group = entry.group;
        candidates_.Add(static_cast<int32_t>(i));
    }
}

std::optional<TKiovaData::TChoice> TKiovaData::LastChoice() const {
    if (candidates_.Count() == 0) return std::nullopt;
    return TChoice{last_choice_, candidates_.Count()};
}

TKiovaData::TRecordSource TKiovaData::Source(size_t index) const {
    const TEntry& entry = entries_.at(index);
    return {loaded_files_[entry.file], entry.line};
}

void TKiovaData::Clear() {
    entries_.clear();
    candidates_.Clear();
    groups_ = 0;
    ClearKeys();
    available_count_ = 0;
    loaded_files_.clear();
}

std::optional<TKiovaData::TRecordText> TKiovaData::ReadFields(std::string_view line,
                                                              size_t key_count) const {
    std::vector<std::string> fields = SplitFieldList(line, code_page_);
    if (fields.size() < key_count + 1) return std::nullopt;
    TRecordText record;
    record.keys.reserve(key_count);
    for (size_t i = 0; i < key_count; ++i)
        record.keys.push_back(DigitPattern(NormalizeAnsi(fields[i], code_page_)));
    record.answer = std::move(fields[key_count]);
    return record;
}

}  // namespace kiova
