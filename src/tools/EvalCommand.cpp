// eval: expands texts with the tag language of one character, in turn, so that what one text
// stores the next can read. One line of output per text.
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CharacterOptions.h"
#include "CodePage.h"
#include "TerminalText.h"
#include "ToolCommand.h"
#include "ToolTexts.h"

namespace kiova::tool {
namespace {

struct EvalOptions {
    std::string package_utf8;
    bool json = false;
    std::vector<std::string> texts;
    CharacterOptions character;
};

EvalOptions ParseEvalOptions(const Arguments& args) {
    EvalOptions options;
    bool only_texts = false;  // after "--", every argument is a text
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (only_texts || !arg.starts_with("--")) {
            if (options.package_utf8.empty())
                options.package_utf8 = arg;
            else
                options.texts.push_back(arg);
        } else if (arg == "--") {
            only_texts = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (!options.character.Take(args, i)) {
            throw UsageError(TranslatedUtf8(kToolUnknownOption, arg));
        }
    }
    if (options.package_utf8.empty()) throw UsageError(TranslatedUtf8(kToolNeedsPackage, "eval"));
    return options;
}

}  // namespace

int RunEvalCommand(const Arguments& args) {
    const EvalOptions options = ParseEvalOptions(args);
    ToolCharacter character(options.package_utf8, options.character);
    for (const std::string& text : options.texts) {
        character.DrainHandOver();
        const std::u16string result = character.Character().EvaluateTags(Utf8ToUtf16(text));
        if (options.json)
            std::cout << nlohmann::json(Utf16ToUtf8(result)).dump() << '\n';
        else
            std::cout << TerminalText(result) << '\n';
    }
    std::cout.flush();
    return 0;
}

}  // namespace kiova::tool
