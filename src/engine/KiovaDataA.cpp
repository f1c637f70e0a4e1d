#include "KiovaDataA.h"

#include <algorithm>

namespace kiova {

void TKiovaDataA::SetPreviousAnswer(std::string_view answer) {
    previous_answer_ = TbmRESearchText(NormalizeAnsi(answer, CodePage()), CharCode());
}

std::optional<TKiovaData::TRecordText> TKiovaDataA::ReadRecord(std::string_view line) const {
    return ReadFields(line, 2);
}

void TKiovaDataA::AddKeys(std::vector<std::string>&& keys, bool marker) {
    if (marker)
        keys_.emplace_back();
    else
        keys_.push_back({TRecordPattern(keys[0], CharCode()), TRecordPattern(keys[1], CharCode())});
}

std::string TKiovaDataA::KeyText(size_t index) const {
    const TKeys& keys = keys_.at(index);
    return std::string(keys.previous_answer.Text()) + "," + std::string(keys.input.Text());
}

void TKiovaDataA::Prepare() {
    std::vector<TRecordPattern*> unprepared;
    for (size_t i = prepared_count_; i < keys_.size(); ++i) {
        unprepared.push_back(&keys_[i].previous_answer);
        unprepared.push_back(&keys_[i].input);
    }
    PrepareAll(unprepared);
    for (; prepared_count_ < keys_.size(); ++prepared_count_) {
        const TKeys& keys = keys_[prepared_count_];
        const auto record = static_cast<std::uint32_t>(prepared_count_);
        previous_answer_set_.Add(record, keys.previous_answer);
        input_set_.Add(record, keys.input);
    }
}

bool TKiovaDataA::Test(size_t index, const TbmRESearchText& message) {
    TKeys& keys = keys_[index];
    return keys.previous_answer.FoundIn(previous_answer_) && keys.input.FoundIn(message);
}

bool TKiovaDataA::FindMatches(const TbmRESearchText& message, std::vector<std::uint32_t>& records) {
    if (!previous_answer_set_.FindIn(previous_answer_, previous_answer_matches_) ||
        !input_set_.FindIn(message, records))
        return false;
    // Both keys must hold.
    std::erase_if(records, [this](std::uint32_t record) {
        return !std::binary_search(previous_answer_matches_.begin(), previous_answer_matches_.end(),
                                   record);
    });
    return true;
}

void TKiovaDataA::ClearKeys() {
    previous_answer_set_.Clear();
    input_set_.Clear();
    keys_.clear();
    prepared_count_ = 0;
}

}  // namespace kiova
