// A character's variables: 100 texts, 100 numbers and 100 flags, numbered 0 to 99. Numbers 50 to
// 99 of each family persist in the state file, as 150 lines: the texts (a line break as "{BR}",
// which the tag language turns back into one when the text is read), the numbers in the general
// float form, the flags as "True" or "False".
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kiova {

struct TCharacterVariables {
    static constexpr int kCount = 100;
    static constexpr int kFirstPersistent = 50;
    static constexpr int kPersistentCount = kCount - kFirstPersistent;
    static constexpr size_t kStateLineCount = 3 * kPersistentCount;

    std::array<std::string, kCount> strings;  // ANSI
    std::array<double, kCount> numbers{};
    std::array<bool, kCount> flags{};

    // Empty texts, zeros, false.
    void Clear();
    // The 150 state-file lines of variables 50 to 99. No text can break its line: CR LF, CR and
    // LF are written as "{BR}", and any other byte below 32 as the byte the cipher gives back
    // for it anyway (the byte plus 224), since enciphered it could become a line break.
    std::vector<std::string> ToStateLines() const;
    // Clears every variable, then takes variables 50 to 99 from `lines` when there are at least
    // 150 of them; a number that does not convert stays 0.
    void FromStateLines(const std::vector<std::string>& lines);
    // True when `lines` are what ToStateLines writes: 150 lines, numbers and flags readable.
    static bool IsWholeState(const std::vector<std::string>& lines);
};

}  // namespace kiova
