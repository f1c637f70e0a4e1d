// chat: talk to a character from the terminal or a script. Each line of standard input (UTF-8)
// is one input and gets exactly one answer; the character's state file is saved at the end.
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "CharacterOptions.h"
#include "CodePage.h"
#include "Numbers.h"
#include "ToolCommand.h"

namespace kiova::tool {
namespace {

struct ChatOptions {
    std::string package_utf8;
    bool raw = false;
    bool json = false;
    uint8_t mask = kTableMaskAll;
    CharacterOptions character;
};

ChatOptions ParseChatOptions(const Arguments& args) {
    ChatOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--raw") {
            options.raw = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--mask") {
            std::optional<int32_t> mask = TextToInt(value());
            if (!mask || *mask < 0 || *mask > 255)
                throw UsageError("--mask needs a number from 0 to 255");
            options.mask = static_cast<uint8_t>(*mask);
        } else if (options.character.Take(args, i)) {
            continue;
        } else if (options.package_utf8.empty() && !arg.starts_with("--")) {
            options.package_utf8 = arg;
        } else {
            throw UsageError("unexpected argument \"" + arg + "\"");
        }
    }
    if (options.package_utf8.empty()) throw UsageError("chat needs a PACKAGE");
    return options;
}

}  // namespace

int RunChatCommand(const Arguments& args) {
    const ChatOptions options = ParseChatOptions(args);
    // A package that is no character ends the run with the engine's message.
    ToolCharacter tool_character(options.package_utf8, options.character);
    TCharacter& character = tool_character.Character();

    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.ends_with('\r')) line.pop_back();
        tool_character.DrainHandOver();
        const std::u16string raw = character.Respond(Utf8ToUtf16(line), options.mask);
        const std::u16string answer = options.raw ? raw : character.EvaluateTags(raw);
        if (options.json) {
            nlohmann::ordered_json out = {{"input", Utf16ToUtf8(Utf8ToUtf16(line))},
                                          {"raw", Utf16ToUtf8(raw)},
                                          {"answer", Utf16ToUtf8(answer)}};
            std::cout << out.dump() << '\n';
        } else {
            std::cout << AsTerminalText(answer) << '\n';
        }
        std::cout.flush();
    }
    return 0;
}

}  // namespace kiova::tool
