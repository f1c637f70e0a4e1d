// The scan of EvaluateTags: finds the tags of a text innermost first, has each one expanded and
// puts the result back in place, where it is scanned again.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "CodePage.h"

namespace kiova {

// Bounds of one scan, so that a result that keeps rebuilding its own tag cannot run forever or
// exhaust memory: the number of results put back to be scanned again, and their total length.
// Reaching either stops the scan (see ScanTags). Removing a tag that gave nothing costs nothing
// here: it only shortens the text.
inline constexpr int kMaxSubstitutionsPerScan = 100000;
inline constexpr size_t kMaxResultUnitsPerScan = 4 * 1024 * 1024;  // UTF-16 units of results

// Expands one tag given its text (what stood between the braces, inner tags already handled);
// empty text when the tag gives nothing.
using TTagExpansion = std::function<std::u16string(std::u16string_view tag_text)>;

// Every "{" and "}" is structure; there is no escape. A tag whose result is not empty, or that
// stands at depth 3 or deeper, is replaced by its result, which is then scanned again; a tag with
// an empty result at depth 1 or 2 stays as written. A "}" with no open "{" makes the whole
// result empty (after its tag has run); an unclosed "{" drops the text from it on. When a bound
// is reached the scan stops as if the text ended there.
// Saved text goes through `code_page`, the character's, as a stored text would.
std::u16string ScanTags(std::u16string_view text, const TTagExpansion& expand,
                        int code_page = CodePage());

}  // namespace kiova
