#include "CharacterVariables.h"

#include <algorithm>

#include "CodePage.h"
#include "Numbers.h"
#include "TextUtils.h"

namespace kiova {
namespace {

constexpr std::string_view kLineBreakTag = "{BR}";
constexpr unsigned char kFirstCipherByte = 32;
constexpr unsigned char kCipherCycle = 224;

std::string StateLineOf(std::string_view text) {
    // Most texts hold no control byte at all and are written as they are.
    const auto is_control = [](char c) { return static_cast<unsigned char>(c) < kFirstCipherByte; };
    if (std::none_of(text.begin(), text.end(), is_control)) return std::string(text);
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' || byte == '\n') {
            line += kLineBreakTag;
            if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (byte < kFirstCipherByte) {
            line += static_cast<char>(byte + kCipherCycle);
        } else {
            line += text[i];
        }
    }
    return line;
}

// What TextToBool reads as a flag rather than as "false for want of anything better".
bool IsFlagText(std::string_view text) {
    const std::u16string normalized = NormalizeText(AnsiToUtf16(text));
    return normalized == u"TRUE" || normalized == u"FALSE" || TextToInt(text).has_value();
}

}  // namespace

void TCharacterVariables::Clear() {
    strings.fill({});
    numbers.fill(0.0);
    flags.fill(false);
}

std::vector<std::string> TCharacterVariables::ToStateLines() const {
    std::vector<std::string> lines;
    lines.reserve(kStateLineCount);
    for (int i = kFirstPersistent; i < kCount; ++i) lines.push_back(StateLineOf(strings[i]));
    for (int i = kFirstPersistent; i < kCount; ++i) lines.push_back(FloatToText(numbers[i]));
    for (int i = kFirstPersistent; i < kCount; ++i) lines.push_back(BoolToText(flags[i]));
    return lines;
}

void TCharacterVariables::FromStateLines(const std::vector<std::string>& lines) {
    Clear();
    if (lines.size() < kStateLineCount) return;
    for (int p = 0; p < kPersistentCount; ++p) {
        strings[kFirstPersistent + p] = lines[p];
        numbers[kFirstPersistent + p] = TextToFloat(lines[kPersistentCount + p]).value_or(0.0);
        flags[kFirstPersistent + p] = TextToBool(lines[2 * kPersistentCount + p]);
    }
}

bool TCharacterVariables::IsWholeState(const std::vector<std::string>& lines) {
    if (lines.size() != kStateLineCount) return false;
    for (int p = 0; p < kPersistentCount; ++p)
        if (!TextToFloat(lines[kPersistentCount + p]) ||
            !IsFlagText(lines[2 * kPersistentCount + p]))
            return false;
    return true;
}

}  // namespace kiova
