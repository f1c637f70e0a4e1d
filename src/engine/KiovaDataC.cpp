#include "KiovaDataC.h"

namespace kiova {

std::optional<TKiovaData::TRecordText> TKiovaDataC::ReadRecord(std::string_view line) const {
    return TRecordText{{NormalizeAnsi(line, CodePage())}, std::string(line)};
}

}  // namespace kiova
