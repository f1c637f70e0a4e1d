#include "RecordPatternSet.h"

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
    set_->Add(*automaton);
    records_.push_back(record);
}

void TRecordPatternSet::Clear() {
    set_.reset();
    records_.clear();
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
    for (const std::uint32_t pattern : found_) records.push_back(records_[pattern]);
    return true;
}

}  // namespace kiova
