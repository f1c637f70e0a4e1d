#include "RecordPatternSet.h"

#include <algorithm>

#include "RecordPattern.h"
#include "bmRESearchText.h"
#include "bmRESet.h"

namespace kiova {

TRecordPatternSet::TRecordPatternSet() = default;
TRecordPatternSet::~TRecordPatternSet() = default;

void TRecordPatternSet::Add(std::uint32_t record, const TRecordPattern& pattern) {
    const TbmREDFATable* automaton = pattern.Automaton();
    if (automaton == nullptr) return;
    if (!set_) set_ = std::make_unique<TbmRESet>(pattern.CharCode());
    // One set reads one code; patterns of another (the default changed meanwhile) need the walk.
    if (pattern.CharCode() != set_->CharCode()) usable_ = false;
    const auto [known, added] =
        patternOf_.try_emplace(automaton, static_cast<std::uint32_t>(records_.size()));
    if (!added) {
        sharers_[known->second].push_back(record);
        return;
    }
    set_->Add(*automaton);
    records_.push_back(record);
}

void TRecordPatternSet::Clear() {
    set_.reset();
    records_.clear();
    patternOf_.clear();
    sharers_.clear();
    failures_ = 0;
    usable_ = true;
}

bool TRecordPatternSet::FindIn(const TbmRESearchText& text, std::vector<std::uint32_t>& records) {
    records.clear();
    if (!usable_) return false;
    if (!set_) return true;  // no pattern compiled: nothing matches
    if (!set_->Match(text.Bytes(), found_)) {
        usable_ = ++failures_ < kMaxFailures;
        return false;
    }
    failures_ = 0;
    bool shared = false;
    for (const std::uint32_t pattern : found_) {
        records.push_back(records_[pattern]);
        if (const auto sharers = sharers_.find(pattern); sharers != sharers_.end()) {
            records.insert(records.end(), sharers->second.begin(), sharers->second.end());
            shared = true;
        }
    }
    if (shared) std::sort(records.begin(), records.end());
    return true;
}

}  // namespace kiova
