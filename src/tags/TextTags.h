// Text tags: "BR", "LENGTH:", "LEFT", "RIGHT", "MID", "POS", "LIKE", "SCRIPTIZE:", "CHOICE".
// Positions and lengths count UTF-16 units.
#pragma once

#include <string>

#include "Tag.h"

namespace kiova {

std::u16string LineBreakTag();
// "LENGTH:" text: the length of key[8..n], bars included.
std::u16string LengthTag(const TTag& tag);
// "LEFT" k | text and "RIGHT" k | text: the first or last k characters of the raw text.
std::u16string LeftTag(const TTag& tag);
std::u16string RightTag(const TTag& tag);
// "MID" s | c | text: c characters from character s; "MID" s | text: from s to the end.
std::u16string MidTag(const TTag& tag);
// "POS" sub | text: 1-based position of sub in text, both normalised; 0 when absent or empty.
std::u16string PosTag(const TTag& tag);
// "LIKE" text | pattern: whether the pattern ("#" for a digit) occurs in the text.
// The pattern reads characters of `code_page`, the character's.
std::u16string LikeTag(const TTag& tag, int code_page);
// "SCRIPTIZE:" text: the raw text with "[" and "]" turned into braces.
std::u16string ScriptizeTag(const TTag& tag);
// "CHOICE" a | b | ...: one alternative as written, drawn after reseeding.
std::u16string ChoiceTag(const TTag& tag);

}  // namespace kiova
