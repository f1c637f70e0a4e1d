#include "KiovaData0.h"

#include "CodePage.h"
#include "TextUtils.h"

namespace kiova {

std::optional<TKiovaData::TRecordText> TKiovaData0::ReadRecord(std::string_view line) const {
    return ReadFields(line, 1);
}

void TKiovaData0::AddKeys(std::vector<std::string>&& keys, bool marker) {
    conditions_.push_back(marker ? std::u16string() : AnsiToUtf16(keys.front(), CodePage()));
}

std::string TKiovaData0::KeyText(size_t index) const {
    return Utf16ToAnsi(conditions_.at(index), CodePage());
}

// The message is not used: a condition sees the turn through the character's fields.
bool TKiovaData0::Test(size_t index, const TbmRESearchText& /*message*/) {
    if (!Evaluator()) return false;
    return NormalizeText(Evaluator()(conditions_[index])) == u"TRUE";
}

}  // namespace kiova
