#include "KiovaDataC.h"

namespace kiova {

std::optional<TKiovaData::TRecordText> TKiovaDataC::ReadRecord(std::string_view line) const {
    return TRecordText{{NormalizeAnsi(line)}, std::string(line)};
}

}  // namespace kiova
