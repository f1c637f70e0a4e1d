// Number <-> text conversions with fixed conventions ('.' as the decimal separator, no
// thousands separators), shared by the state file, the tag language and the front end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiova {

// General form: at most 15 significant digits, no trailing zeros; fixed notation while the
// value has at most 15 integer digits and a magnitude of at least 0.00001, otherwise "1.5E-7",
// "1E20". Non-finite values read "NAN", "INF" and "-INF".
std::string FloatToText(double value);

// Optional blanks around an optional sign, digits with at most one '.', an optional exponent.
// "inf", "nan", hexadecimal and thousands separators are not numbers.
std::optional<double> TextToFloat(std::string_view text);

// Leading blanks, an optional sign, decimal digits only, within 32 bits.
std::optional<int32_t> TextToInt(std::string_view text);

}  // namespace kiova
