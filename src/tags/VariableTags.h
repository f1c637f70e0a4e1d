// The three variable families: "MEMOnn" (texts), "COUNTnn" (numbers), "FLAGnn" (flags). nn is
// the two characters after the name, an integer 0 to 99 (leading blanks allowed); any other
// index makes the tag fail. Reading tags give the value; writing tags give empty text.
#pragma once

#include <string>

#include "CharacterVariables.h"
#include "Tag.h"

namespace kiova {

// "MEMOnn", "MEMOnn:text" (set, as written), "MEMOnn+text" (append), "MEMOnnC" (clear).
// Texts are kept in `code_page`, the character's.
std::u16string MemoTag(const TTag& tag, TCharacterVariables& variables, int code_page);
// "COUNTnn", "COUNTnn++", "COUNTnn--", "COUNTnn+x", "COUNTnn-x", "COUNTnn:x".
std::u16string CountTag(const TTag& tag, TCharacterVariables& variables);
// "FLAGnn", "FLAGnn!" (toggle), "FLAGnn:TRUE", "FLAGnn:FALSE".
std::u16string FlagTag(const TTag& tag, TCharacterVariables& variables);

}  // namespace kiova
