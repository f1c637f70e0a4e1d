// The automaton of a simple pattern, built straight from its characters without the scanner,
// the tree or the position sets: most dialogue keys are a run of characters and small brackets
// (`^HELLO THERE .+$`, `WORD[0-9][0-9]`, `WORD(A|B)?`, `WORD.*OTHER`) or alternatives of plain
// words (`(WORD|OTHER)`).
// The result is the very automaton the full compile makes, state for state.
#pragma once

#include <optional>
#include <string_view>

#include "bmCharCode.h"
#include "bmREDFA.h"

namespace kiova {

// The automaton of `pattern` (operators on, no ignore-case rewrite) when it has one of the
// simple shapes:
//   [^] item... [ending] [$]   items: characters, escapes, [brackets] (not negated), dots,
//                              groups of single characters (a|b); ending: .* or .+, an
//                              optional item (X?), or .* or .+ before a word of characters
//   [^](word|word|...)[$]      or word|word|... without anchors; words of characters
// nothing for any other pattern, an invalid one included: the full compile handles those.
std::optional<TbmREDFATable> BuildSimpleDFA(std::string_view pattern, TbmCharCode code);

}  // namespace kiova
