#include "DateText.h"

#include <cstdio>
#include <vector>

namespace kiova {
namespace {

// The digits of `value`, at least `width` of them.
std::string Padded(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

// Reads `separator`-divided groups of one to `max_digits` digits (the first group may have
// `first_max_digits`). Nothing when the text is not exactly that.
std::optional<std::vector<int>> ReadNumberGroups(std::string_view text, char separator,
                                                 size_t first_max_digits, size_t max_digits) {
    std::vector<int> groups;
    size_t i = 0;
    while (true) {
        size_t limit = groups.empty() ? first_max_digits : max_digits;
        size_t start = i;
        int value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < limit)
            value = value * 10 + (text[i++] - '0');
        if (i == start) return std::nullopt;
        groups.push_back(value);
        if (i == text.size()) return groups;
        if (text[i++] != separator) return std::nullopt;
    }
}

std::optional<TDateTime> ParseTime(std::string_view text) {
    auto parts = ReadNumberGroups(text, ':', 2, 2);
    if (!parts || parts->size() < 2 || parts->size() > 3) return std::nullopt;
    return EncodeTime((*parts)[0], (*parts)[1], parts->size() == 3 ? (*parts)[2] : 0);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<TDateTime> ParseDate(std::string_view text) {
    auto parts = ReadNumberGroups(text, '/', 4, 2);
    if (!parts || parts->size() != 3 || text.find('/') != 4) return std::nullopt;
    return EncodeDate((*parts)[0], (*parts)[1], (*parts)[2]);
}

std::string FormatDateTime(std::string_view pattern, TDateTime value) {
    const DateTimeParts parts = DecodeDateTime(value);
    struct Field {
        char letter;
        int value;
    };
    const Field fields[] = {{'m', parts.month},
                            {'d', parts.day},
                            {'h', parts.hour},
                            {'n', parts.minute},
                            {'s', parts.second}};
    std::string text;
    for (size_t i = 0; i < pattern.size();) {
        if (pattern.substr(i, 4) == "yyyy") {
            text += Padded(parts.year, 4);
            i += 4;
            continue;
        }
        bool matched = false;
        for (const Field& field : fields) {
            if (pattern[i] != field.letter) continue;
            const bool doubled = i + 1 < pattern.size() && pattern[i + 1] == field.letter;
            text += Padded(field.value, doubled ? 2 : 1);
            i += doubled ? 2 : 1;
            matched = true;
            break;
        }
        if (!matched) text += pattern[i++];
    }
    return text;
}

std::optional<TDateTime> ParseDateTime(std::string_view text) {
    text = TrimBlanks(text);
    const size_t blank = text.find(' ');
    if (blank != std::string_view::npos) {
        auto date = ParseDate(text.substr(0, blank));
        auto time = ParseTime(TrimBlanks(text.substr(blank)));
        if (!date || !time) return std::nullopt;
        return *date + *time;
    }
    if (text.find('/') != std::string_view::npos) return ParseDate(text);
    return ParseTime(text);
}

}  // namespace kiova
