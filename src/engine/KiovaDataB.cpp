#include "KiovaDataB.h"

namespace kiova {

std::optional<TKiovaData::TRecordText> TKiovaDataB::ReadRecord(std::string_view line) const {
    return ReadFields(line, 1);
}

void TKiovaDataB::AddKeys(std::vector<std::string>&& keys, bool marker) {
    if (marker)
        patterns_.emplace_back();
    else
        patterns_.emplace_back(keys.front());
}

void TKiovaDataB::Prepare() {
    for (; prepared_count_ < patterns_.size(); ++prepared_count_)
        patterns_[prepared_count_].Prepare();
}

bool TKiovaDataB::Test(size_t index, const TbmRESearchText& message) {
    return patterns_[index].FoundIn(message);
}

void TKiovaDataB::ClearKeys() {
    patterns_.clear();
    prepared_count_ = 0;
}

}  // namespace kiova
