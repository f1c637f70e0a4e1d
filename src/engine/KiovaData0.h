// Kind 0: condition tables. A record's key is a condition in the tag language; the record is a
// candidate when the character's evaluator turns it into a text that normalises to "TRUE".
// Conditions run in record order for every record tested, so their side effects do too.
#pragma once

#include "KiovaData.h"

namespace kiova {

class TKiovaData0 final : public TKiovaData {
public:
    using TKiovaData::TKiovaData;

protected:
    std::optional<TRecordText> ReadRecord(std::string_view line) const override;
    void AddKeys(std::vector<std::string>&& keys, bool marker) override;
    bool Test(size_t index, const TbmRESearchText& message) override;
    void ClearKeys() override { conditions_.clear(); }
    std::string KeyText(size_t index) const override;

private:
    std::vector<std::u16string> conditions_;
};

}  // namespace kiova
