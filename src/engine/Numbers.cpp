#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kiova {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

// Removes trailing zeros of a fraction, and the point itself when nothing follows it.
void TrimFraction(std::string& digits) {
    if (digits.find('.') == std::string::npos) return;
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == '.') digits.pop_back();
}

}  // namespace

std::string FloatToText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";

    // Round to 15 significant digits first: the exponent of the rounded value decides the form.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14E", value);
    std::string scientific(buffer);
    size_t e = scientific.find('E');
    int exponent = std::stoi(scientific.substr(e + 1));
    std::string mantissa = scientific.substr(0, e);

    if (exponent >= -5 && exponent < 15) {
        std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, 14 - exponent), value);
        std::string fixed(buffer);
        TrimFraction(fixed);
        return fixed;
    }
    TrimFraction(mantissa);
    return mantissa + "E" + std::to_string(exponent);
}

std::optional<double> TextToFloat(std::string_view text) {
    text = TrimBlanks(text);
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    size_t number_start = i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exponent_digits = 0;
        while (i < text.size() && IsDigit(text[i])) ++i, ++exponent_digits;
        if (exponent_digits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0;
    std::string_view number = text.substr(number_start);
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    // A magnitude beyond what a double holds is no number either.
    if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int32_t> TextToInt(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t{1} << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace kiova
