// Text dumps of the engine's intermediate results, so tests can compare them with tables.
#pragma once

#include <string>
#include <string_view>

#include "bmCharCode.h"
#include "bmREDFA.h"
#include "bmREToken.h"
#include "bmRETree.h"
#include "bmREWchRanges.h"

namespace kiova::test {

// A character value as the tests write it: 'a' for printable ASCII, else hexadecimal (0x8140),
// and HEAD, END, TAIL for the line head, end marker (or end of pattern) and line tail.
std::string CharText(std::int32_t c);

// One token per line: "kind-name Lo Hi StartPos EndPos" (Lo/Hi as CharText).
std::string DumpTokens(const TbmRETokens& tokens);
std::string DumpRanges(const TbmREWchRanges& ranges);  // "[a-c] [x] ..."
// Cat(A,B), Union(A,B), Closure(A), leaves as CharText ranges, eps for epsilon.
std::string DumpTree(const TbmRETree& tree);
// One state per line: "0: [a]->1 [b-c]->2" with a trailing " accept" for accepting states,
// preceded by "head" / "tail" lines when the anchors are on.
std::string DumpDFA(const TbmREDFATable& dfa);

// Convenience: each stage run on a pattern (Western unless given). DfaOf always takes the whole
// way through the tree, never the direct build of simple patterns.
TbmRETokens TokensOf(std::string_view pattern, TbmCharCode code = TbmCharCode::Western);
std::string DumpStandardized(std::string_view pattern, TbmCharCode code = TbmCharCode::Western);
std::string TreeOf(std::string_view pattern, TbmCharCode code = TbmCharCode::Western);
std::string DfaOf(std::string_view pattern, TbmCharCode code = TbmCharCode::Western);

}  // namespace kiova::test
