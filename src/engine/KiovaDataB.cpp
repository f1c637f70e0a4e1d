#include "KiovaDataB.h"

namespace kiova {

std::optional<TKiovaData::TRecordText> TKiovaDataB::ReadRecord(std::string_view line) const {
    return ReadFields(line, 1);
}

void TKiovaDataB::AddKeys(std::vector<std::string>&& keys, bool marker) {
    if (marker) {
        patterns_.emplace_back();
        return;
    }
    const std::uint64_t hash = decltype(firstOfKey_)::TextKey(keys.front());
    const size_t* first = firstOfKey_.Find(hash);
    if (first != nullptr && patterns_[*first].Text() == keys.front()) {
        patterns_.push_back(TRecordPattern(patterns_[*first]));
        return;
    }
    patterns_.emplace_back(keys.front(), CharCode());
    if (first == nullptr) firstOfKey_.Insert(hash, patterns_.size() - 1);
}

std::string TKiovaDataB::KeyText(size_t index) const {
    return std::string(patterns_.at(index).Text());
}

void TKiovaDataB::Prepare() {
    std::vector<TRecordPattern*> unprepared;
    for (size_t i = prepared_count_; i < patterns_.size(); ++i) unprepared.push_back(&patterns_[i]);
    PrepareAll(unprepared);
    ForgetKeyIndex();
    for (; prepared_count_ < patterns_.size(); ++prepared_count_)
        set_.Add(static_cast<std::uint32_t>(prepared_count_), patterns_[prepared_count_]);
}

void TKiovaDataB::ForgetKeyIndex() {
    firstOfKey_.Release();
}

bool TKiovaDataB::Test(size_t index, const TbmRESearchText& message) {
    return patterns_[index].FoundIn(message);
}

bool TKiovaDataB::FindMatches(const TbmRESearchText& message, std::vector<std::uint32_t>& records) {
    return set_.FindIn(message, records);
}

void TKiovaDataB::ClearKeys() {
    set_.Clear();
    ForgetKeyIndex();
    patterns_.clear();
    prepared_count_ = 0;
}

}  // namespace kiova
