// Kind C: plain answers. Every line is an answer as written (an empty line too) and every record
// is a candidate; a line that normalises to a marker is that marker.
#pragma once

#include "KiovaData.h"

namespace kiova {

class TKiovaDataC final : public TKiovaData {
public:
    using TKiovaData::TKiovaData;

protected:
    std::optional<TRecordText> ReadRecord(std::string_view line) const override;
    void AddKeys(std::vector<std::string>&&, bool) override {}
    bool Test(size_t, const TbmRESearchText&) override { return true; }
    void ClearKeys() override {}
    std::string KeyText(size_t) const override { return {}; }
};

}  // namespace kiova
