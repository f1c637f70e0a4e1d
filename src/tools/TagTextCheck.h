// The checks of a text in the tag language, an answer or a condition, as written in a data file.
#pragma once

#include <string_view>

#include "CheckContext.h"

namespace kiova::tool {

enum class ETagText { Answer, Condition };

// Braces that never close or close nothing, tag names the language, the output commands and the
// plug-ins do not know, and the files that picture and sound commands name.
void CheckTagText(TCheckContext& context, const TPlace& place, std::string_view ansi_text,
                  ETagText kind);

}  // namespace kiova::tool
