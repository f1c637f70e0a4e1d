#include "LogFormat.h"

#include <cstdio>

namespace kiova {
namespace {
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    size_t start = 0;
    for (size_t found; (found = text.find(from, start)) != std::string_view::npos;
         start = found + from.size()) {
        result.append(text.substr(start, found - start));
        result.append(to);
    }
    result.append(text.substr(start));
    return result;
}
}  // namespace

std::string LogTimeStamp(TDateTime moment) {
    DateTimeParts parts = DecodeDateTime(moment);
    char text[32];
    std::snprintf(text, sizeof text, "## %04d/%02d/%02d %02d:%02d:%02d", parts.year, parts.month,
                  parts.day, parts.hour, parts.minute, parts.second);
    return text;
}

std::string CrLfToBr(std::string_view text) {
    return ReplaceAll(text, "\r\n", "{BR}");
}

std::string BrToCrLf(std::string_view text) {
    return ReplaceAll(text, "{BR}", "\r\n");
}

std::string_view TrimBlanks(std::string_view text) {
    auto is_blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace kiova
