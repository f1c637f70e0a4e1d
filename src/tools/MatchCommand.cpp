// kiova-tool match: UTF-8 (or hexadecimal) pattern and text in, converted to the bytes of the
// chosen code, searched with TbmRExp::Match from position 1, one result line out per case.
#include "MatchCommand.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "ToolTexts.h"
#include "bmRExp.h"

namespace kiova::tool {
namespace {

struct MatchCode {
    std::string_view name;
    TbmCharCode code;
    const char* charset;       // iconv name
    std::string_view unknown;  // what a character the code cannot hold becomes
};

constexpr MatchCode kCodes[] = {
    {"sjis", TbmCharCode::ShiftJIS, "CP932", "?"},
    {"euc", TbmCharCode::JapaneseEUC, "EUC-JP", "?"},
    {"western", TbmCharCode::Western, "CP1252", "?"},
    {"unicode", TbmCharCode::UniCode, "UTF-16LE", std::string_view("?\0", 2)},
    {"utf-8", TbmCharCode::UTF8, "UTF-8", "\xEF\xBF\xBD"},
};

struct MatchOptions {
    const MatchCode* code = &kCodes[0];
    bool ignoreCase = false;
    bool hex = false;
    bool batch = false;
    std::vector<std::string> operands;
};

MatchOptions ParseOptions(const Arguments& args) {
    MatchOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            options.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--ignore-case") {
            options.ignoreCase = true;
        } else if (arg == "--hex") {
            options.hex = true;
        } else if (arg == "--batch") {
            options.batch = true;
        } else if (arg == "--code") {
            if (i + 1 == args.size()) throw UsageError(TranslatedUtf8(kToolNeedsValue, "--code"));
            options.code = nullptr;
            for (const MatchCode& code : kCodes) {
                if (code.name == args[i + 1]) options.code = &code;
            }
            if (options.code == nullptr)
                throw UsageError(TranslatedUtf8(kToolUnknownCode, args[i + 1]));
            ++i;
        } else {
            throw UsageError(TranslatedUtf8(kToolUnknownOption, arg));
        }
    }
    if (options.operands.size() != (options.batch ? 0u : 2u)) {
        throw UsageError(
            TranslatedUtf8(options.batch ? kToolBatchTakesNoOperands : kToolNeedsPatternAndText));
    }
    return options;
}

// Bytes of a UTF-8 sequence starting with `lead` (1 for a byte that cannot start one).
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// UTF-8 to the bytes of `code`; what it cannot hold (or invalid UTF-8) becomes code.unknown.
std::string FromUtf8(std::string_view utf8, const MatchCode& code) {
    const iconv_t cd = iconv_open(code.charset, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw ToolError(TranslatedUtf8(kToolNoConversion, code.charset));
    }
    const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    std::string bytes;
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        bytes.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
        bytes += code.unknown;  // EILSEQ or a sequence cut off at the end
        const std::size_t skip = std::min(Utf8Length(static_cast<unsigned char>(*in)), inLeft);
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return bytes;
}

std::optional<std::string> FromHex(std::string_view hex) {
    const auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = digit(hex[i]), low = digit(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

// One case: the result line without its line break, and whether it is an error.
std::pair<std::string, bool> MatchCase(const MatchOptions& options, std::string_view pattern,
                                       std::string_view text) {
    std::string patternBytes, textBytes;
    if (options.hex) {
        const auto hexPattern = FromHex(pattern), hexText = FromHex(text);
        if (!hexPattern || !hexText) return {"error: invalid hexadecimal bytes", true};
        patternBytes = *hexPattern;
        textBytes = *hexText;
    } else {
        patternBytes = FromUtf8(pattern, *options.code);
        textBytes = FromUtf8(text, *options.code);
    }
    TbmRExp re(options.code->code);
    re.SetOption(bmreoIgnoreCase, options.ignoreCase);
    re.SetPattern(patternBytes);
    try {
        int length = 0;
        const int position = re.Match(textBytes, 1, length);
        return {std::to_string(position) + " " + std::to_string(length), false};
    } catch (const std::exception& error) {  // pattern errors, or an odd UTF-16 byte count
        return {std::string("error: ") + error.what(), true};
    }
}

int RunBatch(const MatchOptions& options) {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.ends_with('\r')) line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            std::cout << "error: expected PATTERN<TAB>TEXT\n";
            continue;
        }
        const std::string_view view(line);
        std::cout << MatchCase(options, view.substr(0, tab), view.substr(tab + 1)).first << '\n';
    }
    return 0;
}

}  // namespace

int RunMatchCommand(const Arguments& args) {
    const MatchOptions options = ParseOptions(args);
    if (options.batch) return RunBatch(options);
    if (options.hex && (!FromHex(options.operands[0]) || !FromHex(options.operands[1]))) {
        throw UsageError(TranslatedUtf8(kToolBadHex));
    }
    const auto [result, failed] = MatchCase(options, options.operands[0], options.operands[1]);
    std::cout << result << '\n';
    return failed ? 1 : 0;
}

}  // namespace kiova::tool
