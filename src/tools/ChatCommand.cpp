// chat: talk to a character from the terminal or a script. Each line of standard input (UTF-8)
// is one input and gets exactly one answer; the character's state file is saved at the end.
// With --trace, each answer also tells how it was chosen: the tables searched and the record.
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "CharacterOptions.h"
#include "CodePage.h"
#include "CommonOptions.h"
#include "Numbers.h"
#include "TerminalText.h"
#include "ToolCommand.h"
#include "ToolTexts.h"

namespace kiova::tool {
namespace {

struct ChatOptions {
    std::string package_utf8;
    bool raw = false;
    bool json = false;
    bool trace = false;
    uint8_t mask = kTableMaskAll;
    CharacterOptions character;
};

ChatOptions ParseChatOptions(const Arguments& args) {
    ChatOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--raw") {
            options.raw = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--mask") {
            std::optional<int32_t> mask = TextToInt(OptionValue(args, i));
            if (!mask || *mask < 0 || *mask > 255) throw UsageError(TranslatedUtf8(kToolBadMask));
            options.mask = static_cast<uint8_t>(*mask);
        } else if (options.character.Take(args, i)) {
            continue;
        } else if (options.package_utf8.empty() && !arg.starts_with("--")) {
            options.package_utf8 = arg;
        } else {
            throw UsageError(TranslatedUtf8(kToolUnexpectedArgument, arg));
        }
    }
    if (options.package_utf8.empty()) throw UsageError(TranslatedUtf8(kToolNeedsPackage, "chat"));
    return options;
}

nlohmann::ordered_json TraceJson(const TCharacter& character, const TReplyTrace& trace) {
    nlohmann::ordered_json searched = nlohmann::json::array();
    for (int bit : trace.searched) searched.push_back(kTableKeys[static_cast<size_t>(bit)]);
    nlohmann::ordered_json out = {{"message", AnsiToUtf8(trace.message, character.CodePage())},
                                  {"searched", searched}};
    if (!trace.answered) {
        out["answered"] = nullptr;
        return out;
    }
    const auto [bit, choice] = *trace.answered;
    const TKiovaData& table = character.Table(bit);
    const TKiovaData::TRecordSource source = table.Source(choice.record);
    out["answered"] = {{"table", kTableKeys[static_cast<size_t>(bit)]},
                       {"kind", std::string(1, kTableKinds[static_cast<size_t>(bit)])},
                       {"file", std::string(source.file)},
                       {"line", source.line},
                       {"key", AnsiToUtf8(table.KeyText(choice.record), character.CodePage())},
                       {"candidates", choice.candidates}};
    return out;
}

std::string CandidatesText(int candidates) {
    if (candidates == 1) return "the only candidate";
    return "one of " + std::to_string(candidates) + " candidates";
}

// The trace as lines under the answer, each beginning "trace: ".
std::string TraceText(const nlohmann::ordered_json& trace) {
    std::string searched;
    for (const auto& table : trace["searched"])
        searched += (searched.empty() ? "" : ", ") + table.get<std::string>();
    std::string text = "trace: message \"" + trace["message"].get<std::string>() + "\", searched " +
                       (searched.empty() ? "no table" : searched) + "\n";
    const auto& answered = trace["answered"];
    if (answered.is_null()) {
        const auto& tables = trace["searched"];
        return text + "trace: no record answered" +
               (tables.empty() ? "" : "; last searched " + tables.back().get<std::string>()) + "\n";
    }
    const std::string key = answered["key"].get<std::string>();
    return text + "trace: answered by " + answered["table"].get<std::string>() + " (kind " +
           answered["kind"].get<std::string>() + ") " + answered["file"].get<std::string>() + ":" +
           std::to_string(answered["line"].get<uint32_t>()) +
           (key.empty() ? "" : ", key \"" + key + "\"") + ", " +
           CandidatesText(answered["candidates"]) + " in its group\n";
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
        TReplyTrace trace;
        const std::u16string raw =
            character.Respond(Utf8ToUtf16(line), options.mask, options.trace ? &trace : nullptr);
        const std::u16string answer = options.raw ? raw : character.EvaluateTags(raw);
        const nlohmann::ordered_json trace_json =
            options.trace ? TraceJson(character, trace) : nlohmann::ordered_json();
        if (options.json) {
            nlohmann::ordered_json out = {{"input", Utf16ToUtf8(Utf8ToUtf16(line))},
                                          {"raw", Utf16ToUtf8(raw)},
                                          {"answer", Utf16ToUtf8(answer)}};
            if (options.trace) out["trace"] = trace_json;
            std::cout << out.dump() << '\n';
        } else {
            std::cout << TerminalText(answer) << '\n';
            if (options.trace) std::cout << TraceText(trace_json);
        }
        std::cout.flush();
    }
    return 0;
}

}  // namespace kiova::tool
