#include "CommonOptions.h"

#include <charconv>
#include <memory>
#include <string>

#include "Clock.h"
#include "ToolCommand.h"

namespace kiova::tool {
namespace {

// Reads `width` decimal digits at `position`, then expects `separator` (unless it is NUL).
bool ReadNumber(std::string_view text, size_t& position, size_t width, char separator, int& value) {
    if (position + width > text.size()) return false;
    for (size_t i = position; i < position + width; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    std::from_chars(text.data() + position, text.data() + position + width, value);
    position += width;
    if (separator == '\0') return position == text.size();
    if (position >= text.size() || text[position] != separator) return false;
    ++position;
    return true;
}

}  // namespace

TDateTime ParseNowOption(std::string_view text) {
    DateTimeParts parts;
    size_t position = 0;
    const bool well_formed = ReadNumber(text, position, 4, '/', parts.year) &&
                             ReadNumber(text, position, 2, '/', parts.month) &&
                             ReadNumber(text, position, 2, ' ', parts.day) &&
                             ReadNumber(text, position, 2, ':', parts.hour) &&
                             ReadNumber(text, position, 2, ':', parts.minute) &&
                             ReadNumber(text, position, 2, '\0', parts.second);
    std::optional<TDateTime> value = well_formed ? EncodeDateTime(parts) : std::nullopt;
    if (!value)
        throw UsageError("--now needs \"yyyy/mm/dd hh:nn:ss\", not \"" + std::string(text) + "\"");
    return *value;
}

void FixClockAt(std::string_view now_option) {
    const TDateTime now = ParseNowOption(now_option);
    SetClock(std::make_shared<TFixedClock>(now, now));
}

}  // namespace kiova::tool
