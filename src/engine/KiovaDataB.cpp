#include "KiovaDataB.h"

namespace kiova {

std::optional<TKiovaData::TRecordText> TKiovaDataB::ReadRecord(std::string_view line) const {
    return ReadFields(line, 1);
}

void TKiovaDataB::AddKeys(std::vector<std::string>&& keys, bool marker) {
    if (marker)
        patterns_.emplace_back();
    else
        patterns_.emplace_back(keys.front(), CharCode());
}

std::string TKiovaDataB::KeyText(size_t index) const {
    return std::string(patterns_.at(index).Text());
}

void TKiovaDataB::Prepare() {
    std::vector<TRecordPattern*> unprepared;
    for (size_t i = prepared_count_; i < patterns_.size(); ++i) unprepared.push_back(&patterns_[i]);
    PrepareAll(unprepared);
    for (; prepared_count_ < patterns_.size(); ++prepared_count_)
        set_.Add(static_cast<std::uint32_t>(prepared_count_), patterns_[prepared_count_]);
}

bool TKiovaDataB::Test(size_t index, const TbmRESearchText& message) {
    return patterns_[index].FoundIn(message);
}

bool TKiovaDataB::FindMatches(const TbmRESearchText& message, std::vector<std::uint32_t>& records) {
    return set_.FindIn(message, records);
}

void TKiovaDataB::ClearKeys() {
    set_.Clear();
    patterns_.clear();
    prepared_count_ = 0;
}

}  // namespace kiova
