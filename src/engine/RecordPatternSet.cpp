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
    if (nextSharer_.size() <= record) nextSharer_.resize(record + 1, kNoRecord);
    const auto address = reinterpret_cast<std::uintptr_t>(automaton);
    if (const std::uint32_t* shared = patternOf_.Find(address)) {
        nextSharer_[lastSharer_[*shared]] = record;
        lastSharer_[*shared] = record;
        return;
    }
    patternOf_.Insert(address, static_cast<std::uint32_t>(records_.size()));
    set_->Add(*automaton);
    records_.push_back(record);
    lastSharer_.push_back(record);
}

void TRecordPatternSet::Clear() {
    set_.reset();
    records_.clear();
    patternOf_.Release();
    lastSharer_.clear();
    nextSharer_.clear();
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
        for (std::uint32_t r = records_[pattern]; r != kNoRecord; r = nextSharer_[r])
            records.push_back(r);
        shared = shared || lastSharer_[pattern] != records_[pattern];
    }
    if (shared) std::sort(records.begin(), records.end());
    return true;
}

}  // namespace kiova
