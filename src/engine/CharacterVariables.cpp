#include "CharacterVariables.h"

#include "Numbers.h"
#include "TextUtils.h"

namespace kiova {

void TCharacterVariables::Clear() {
    strings.fill({});
    numbers.fill(0.0);
    flags.fill(false);
}

std::vector<std::string> TCharacterVariables::ToStateLines() const {
    std::vector<std::string> lines;
    lines.reserve(kStateLineCount);
    for (int i = kFirstPersistent; i < kCount; ++i) lines.push_back(strings[i]);
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

}  // namespace kiova
