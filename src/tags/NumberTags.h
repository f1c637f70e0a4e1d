// Arithmetic, the functions of one number and the random tags.
#pragma once

#include <string>

#include "Tag.h"

namespace kiova {

// The operator character, a, bar, b: "+", "-", "*", "/" on floats; "\" (quotient) and "%"
// (remainder, with the sign of a) on integers; "^" (power).
std::u16string ArithmeticTag(const TTag& tag);
// "MAX", "MIN", "LOG" base | x.
std::u16string MaxTag(const TTag& tag);
std::u16string MinTag(const TTag& tag);
std::u16string LogTag(const TTag& tag);

// A function of x = the key after a name `name_length` long ("SIN:" and the like).
enum class TFunction {
    Abs,
    Sqr,
    Sqrt,
    Exp,
    Sin,
    Cos,
    Tan,
    ArcSin,
    ArcCos,
    ArcTan,
    Ceil,
    Floor,
    Trunc,
    Round
};
std::u16string FunctionTag(const TTag& tag, int name_length, TFunction function);
std::u16string PiTag();

// "RANDOMB:p" (true with p percent probability), "RANDOMV:m" (0 to m-1); both reseed first.
std::u16string RandomTag(const TTag& tag);

// a to the power b: 1 when b = 0, 0 when a = 0 and b > 0, repeated multiplication for a whole b
// of magnitude at most 2147483647, else e^(b ln a). Not finite when undefined.
double Power(double a, double b);

}  // namespace kiova
