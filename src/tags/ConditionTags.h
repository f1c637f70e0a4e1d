// Conditions and comparisons: "IF", "NOT", "AND", "OR", "XOR", "EQ", "NE" and the numeric
// comparisons. Each gives "True" or "False", except "IF", which gives the chosen branch.
#pragma once

#include <string>

#include "Tag.h"

namespace kiova {

// "IFTRUE" then-text | else-text: the then-text as written; "IFFALSE": the else-text.
std::u16string IfTrueTag(const TTag& tag);
std::u16string IfFalseTag(const TTag& tag);

// "NOT:TRUE" and "NOT:FALSE".
std::u16string NotTag(bool operand);

// "AND", "OR", "XOR": four characters after the name and after the bar, each "TRUE" or not.
std::u16string AndTag(const TTag& tag);
std::u16string OrTag(const TTag& tag);
std::u16string XorTag(const TTag& tag);

// "EQ" and "NE": the two key texts compared character for character.
std::u16string TextEqualTag(const TTag& tag, bool equal);

// "==", "!=", ">", ">=", "<", "<=" of the name `name_length` long: both operands as numbers.
enum class TComparison { Equal, NotEqual, Greater, GreaterOrEqual, Less, LessOrEqual };
std::u16string CompareTag(const TTag& tag, int name_length, TComparison comparison);

}  // namespace kiova
