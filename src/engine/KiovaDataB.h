// Kind B: records keyed by one pattern, searched in the message.
#pragma once

#include "KiovaData.h"
#include "RecordPattern.h"

namespace kiova {

class TKiovaDataB final : public TKiovaData {
public:
    using TKiovaData::TKiovaData;

protected:
    std::optional<TRecordText> ReadRecord(std::string_view line) const override;
    void AddKeys(std::vector<std::string>&& keys, bool marker) override;
    void Prepare() override;
    bool Test(size_t index, const TbmRESearchText& message) override;
    void ClearKeys() override;

private:
    std::vector<TRecordPattern> patterns_;
    size_t prepared_count_ = 0;
};

}  // namespace kiova
