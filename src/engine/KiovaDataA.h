// Kind A: records keyed by two patterns, one searched in the character's previous answer, the
// other in the message. The reply cycle sets the previous answer after every turn. Each column's
// patterns are matched at once through a set, record by record when a set cannot tell.
#pragma once

#include "KiovaData.h"
#include "RecordPattern.h"
#include "RecordPatternSet.h"
#include "bmRESearchText.h"

namespace kiova {

class TKiovaDataA final : public TKiovaData {
public:
    using TKiovaData::TKiovaData;

    // Stores the normalised `answer`.
    void SetPreviousAnswer(std::string_view answer);
    const std::string& PreviousAnswer() const { return previous_answer_.Bytes(); }

protected:
    std::optional<TRecordText> ReadRecord(std::string_view line) const override;
    void AddKeys(std::vector<std::string>&& keys, bool marker) override;
    void Prepare() override;
    bool Test(size_t index, const TbmRESearchText& message) override;
    bool FindMatches(const TbmRESearchText& message, std::vector<std::uint32_t>& records) override;
    void ClearKeys() override;
    std::string KeyText(size_t index) const override;

private:
    struct TKeys {
        TRecordPattern previous_answer;
        TRecordPattern input;
    };
    std::vector<TKeys> keys_;
    TRecordPatternSet previous_answer_set_;
    TRecordPatternSet input_set_;
    std::vector<std::uint32_t> previous_answer_matches_;
    size_t prepared_count_ = 0;
    TbmRESearchText previous_answer_{std::string()};
};

}  // namespace kiova
