// Text forms shared by the two logs and the settings file, which keep multi-line text on one
// line. Texts are ANSI; CR and LF never occur inside a double-byte character, so byte-wise
// replacement is safe.
#pragma once

#include <string>
#include <string_view>

#include "DateTime.h"

namespace kiova {

// "## yyyy/mm/dd hh:nn:ss"
std::string LogTimeStamp(TDateTime moment);

// Every CR LF pair becomes "{BR}"; lone CRs and LFs stay.
std::string CrLfToBr(std::string_view text);
// Every "{BR}" becomes CR LF.
std::string BrToCrLf(std::string_view text);

// Without leading and trailing blanks and control characters (bytes up to 32).
std::string_view TrimBlanks(std::string_view text);

}  // namespace kiova
