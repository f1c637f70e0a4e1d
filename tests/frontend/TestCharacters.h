// Characters written by the tests, and a stand-in for the tag language that is just enough to
// tell events apart.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CharacterServices.h"
#include "TempFolder.h"

namespace kiova::testing {

// Texts are UTF-8 here and written in the program's code page.
struct TTestCharacter {
    std::string name;  // also the package file's name and the data folder's
    // Condition table (data02): condition, answer. Conditions: see ConditionEvaluator.
    std::vector<std::pair<std::string, std::string>> events;
    // Input pattern table (datab2): pattern, answer.
    std::vector<std::pair<std::string, std::string>> replies;
    // Further package keys, in order.
    std::vector<std::pair<std::string, std::string>> keys;
};

// Writes <folder>/<name>.ktc and the data folder <folder>/<name>/; returns the package path.
std::string WriteCharacter(const TempFolder& folder, const TTestCharacter& character);

// Evaluates "{IS:X}" (the operate message equals X) and "{STARTS:X}" (it begins with X) to
// "True" or "False", and turns every "{BR}" into CR LF; everything else is left as it is, as
// the tag language leaves output commands.
std::unique_ptr<TTagEvaluator> ConditionEvaluator(TCharacter& character);

}  // namespace kiova::testing
