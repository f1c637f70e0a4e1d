// The first search of the engine, kept as the reference for the one-pass search: it restarts the
// automaton at every character position (quadratic at worst) and reads through reader objects.
#pragma once

#include <string_view>

#include "bmCharCode.h"
#include "bmREDFA.h"

namespace kiova::test {

// Searches `text` (bytes of `code`) from byte offset `start`. Returns the byte offset of the
// leftmost match, or -1 when there is none or `start` lies outside 0..size; `length` receives
// the longest match length there in bytes (0 when there is no match). Throws
// std::invalid_argument for a UniCode text of odd byte length.
int ReferenceSearchDFA(std::string_view text, int start, TbmCharCode code, const TbmREDFATable& dfa,
                       int& length);

}  // namespace kiova::test
