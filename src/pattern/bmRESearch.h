// SearchDFA: the leftmost-longest search of a text with a compiled automaton, in one pass.
#pragma once

#include <string_view>

#include "bmCharCode.h"
#include "bmREDFA.h"
#include "bmRESearchTable.h"

namespace kiova {

// Searches `text` (bytes of the table's code) from byte offset `start`: the leftmost position at
// which the pattern matches and, there, the longest match, as if the automaton were started at
// every character boundary from `start` on (and, after a line break or at the text start, also
// from the state after a line head). Returns the byte offset of the match, or -1 when there is
// none or `start` lies outside 0..size; `length` receives its length in bytes (0 when there is no
// match). Time is linear in the text's length. Throws std::invalid_argument for a UniCode text
// of odd byte length.
int SearchDFA(std::string_view text, int start, const TbmRESearchTable& table, int& length);
// The same through the automaton's range transitions, without a search table: slower steps, no
// skipping, nothing to build; for short texts.
int SearchDFA(std::string_view text, int start, TbmCharCode code, const TbmREDFATable& dfa,
              int& length);

}  // namespace kiova
