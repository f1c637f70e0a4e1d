#include "KiovaDataA.h"

namespace kiova {

void TKiovaDataA::SetPreviousAnswer(std::string_view answer) {
    previous_answer_ = TbmRESearchText(NormalizeAnsi(answer));
}

std::optional<TKiovaData::TRecordText> TKiovaDataA::ReadRecord(std::string_view line) const {
    return ReadFields(line, 2);
}

void TKiovaDataA::AddKeys(std::vector<std::string>&& keys, bool marker) {
    if (marker)
        keys_.emplace_back();
    else
        keys_.push_back({TRecordPattern(keys[0]), TRecordPattern(keys[1])});
}

void TKiovaDataA::Prepare() {
    for (; prepared_count_ < keys_.size(); ++prepared_count_) {
        keys_[prepared_count_].previous_answer.Prepare();
        keys_[prepared_count_].input.Prepare();
    }
}

bool TKiovaDataA::Test(size_t index, const TbmRESearchText& message) {
    TKeys& keys = keys_[index];
    return keys.previous_answer.FoundIn(previous_answer_) && keys.input.FoundIn(message);
}

void TKiovaDataA::ClearKeys() {
    keys_.clear();
    prepared_count_ = 0;
}

}  // namespace kiova
