// Kind B: records keyed by one pattern, searched in the message: all patterns at once through
// their set, record by record when the set cannot tell.
#pragma once

#include <optional>
#include <string_view>

#include "KiovaData.h"
#include "RecordPattern.h"
#include "RecordPatternSet.h"
#include "bmREFlatMap.h"

namespace kiova {

class TKiovaDataB final : public TKiovaData {
public:
    using TKiovaData::TKiovaData;

protected:
    std::optional<TRecordText> ReadRecord(std::string_view line) const override;
    void AddKeys(std::vector<std::string>&& keys, bool marker) override;
    void Prepare() override;
    bool Test(size_t index, const TbmRESearchText& message) override;
    bool FindMatches(const TbmRESearchText& message, std::vector<std::uint32_t>& records) override;
    void ClearKeys() override;
    std::string KeyText(size_t index) const override;

private:
    void ForgetKeyIndex();

    std::vector<TRecordPattern> patterns_;
    // The first record of each key read since the last Prepare, by the key's hash: the others
    // share its pattern from the start rather than making one of their own only to drop it when
    // prepared. Keys whose hashes collide are compiled apart and merged when prepared.
    TbmREFlatMap<size_t> firstOfKey_;
    TRecordPatternSet set_;
    size_t prepared_count_ = 0;
};

}  // namespace kiova
