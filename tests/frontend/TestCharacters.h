// Characters written by the tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "TempFolder.h"

namespace kiova::testing {

// Texts are UTF-8 here and written in the program's code page.
struct TTestCharacter {
    std::string name;  // also the package file's name and the data folder's
    // Condition table (data02): condition, answer; "{EQ{OPERATEMESSAGE}|KCCALLED}" answers
    // the greeting event.
    std::vector<std::pair<std::string, std::string>> events;
    // Input pattern table (datab2): pattern, answer.
    std::vector<std::pair<std::string, std::string>> replies;
    // Further package keys, in order.
    std::vector<std::pair<std::string, std::string>> keys;
};

// Writes <folder>/<name>.ktc and the data folder <folder>/<name>/; returns the package path.
std::string WriteCharacter(const TempFolder& folder, const TTestCharacter& character);

}  // namespace kiova::testing
