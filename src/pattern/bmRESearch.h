// SearchDFA: the leftmost-longest search of a text with a compiled automaton.
#pragma once

#include <string_view>

#include "bmCharCode.h"
#include "bmREDFA.h"

namespace kiova {

// Searches `text` (bytes of `code`) from byte offset `start`. Returns the byte offset of the
// leftmost match, or -1 when there is none or `start` lies outside 0..size; `length` receives
// the longest match length there in bytes (0 when there is no match). Throws
// std::invalid_argument for a UniCode text of odd byte length.
int SearchDFA(std::string_view text, int start, TbmCharCode code, const TbmREDFATable& dfa,
              int& length);

}  // namespace kiova
