// The dispatch of EvaluateTags: which row of the tag language a tag runs.
#pragma once

#include <string>

#include "DateTime.h"
#include "Tag.h"

namespace kiova {

class TCharacter;
class TDelegation;

// What a row may read and change.
struct TTagContext {
    TCharacter& character;
    TDelegation& delegation;
    TDateTime now;  // read once per evaluation
};

// The first character of the key selects a group; the group's rows are tried in order and the
// first whose test holds runs, even if it then gives nothing. Empty text when no row holds.
// A row that fails throws (ETagFailed, or an error of what it used).
std::u16string RunTag(const TTag& tag, TTagContext& context);

// For authors' checks, without running anything: whether a row of the language takes `tag`;
// and whether a tag whose text begins with `head` (normalised, up to its first nested tag)
// may become one once the nested tags are expanded.
bool IsLanguageTag(const TTag& tag);
bool MayBecomeLanguageTag(std::u16string_view head);

}  // namespace kiova
