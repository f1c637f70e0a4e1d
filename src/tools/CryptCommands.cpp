// encrypt / decrypt: write and read enciphered data files.
#include <cstdio>
#include <iostream>

#include "CodePage.h"
#include "Crypt.h"
#include "Files.h"
#include "TextUtils.h"
#include "ToolCommand.h"
#include "ToolTexts.h"

namespace kiova::tool {
namespace {

// The cipher carries the bytes 32 to 255 only; anything else would come back different, so
// the input is refused at the first such byte rather than written wrong.
[[noreturn]] void RefuseByte(const std::string& what, size_t line, size_t column, uint8_t byte) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    throw ToolError(TranslatedUtf8(kToolUncipherableByte, what, std::to_string(line),
                                   std::to_string(column), hex));
}

void RefuseUncipherableText(const std::string& what, std::string_view text) {
    if (std::optional<TTextByte> found = FirstUncipherableByte(text))
        RefuseByte(what, found->line, found->column, found->byte);
}

// The key is enciphered into the header line, so not even a line break can be in it.
void RefuseUncipherableKey(std::string_view key) {
    for (size_t i = 0; i < key.size(); ++i)
        if (!IsCipherByte(static_cast<uint8_t>(key[i])))
            RefuseByte(TranslatedUtf8(kToolTheKey), 1, i + 1, static_cast<uint8_t>(key[i]));
}

}  // namespace

int RunEncryptCommand(const Arguments& args) {
    if (args.size() != 4 || args[0] != "--key")
        throw UsageError(TranslatedUtf8(kToolNeedsArguments, "encrypt", "--key KEY INPUT OUTPUT"));
    const std::string key = Utf8ToAnsi(args[1]);
    const std::string& input = args[2];
    std::optional<std::string> contents = ReadFileBytes(input);
    if (!contents) throw ToolError(TranslatedUtf8(kToolCannotRead, args[2]));
    RefuseUncipherableKey(key);
    RefuseUncipherableText(args[2], *contents);
    WriteFileAtomically(args[3], JoinLinesCrLf(EncipherLines(SplitLines(*contents), key)));
    return 0;
}

int RunDecryptCommand(const Arguments& args) {
    if (args.size() != 2)
        throw UsageError(TranslatedUtf8(kToolNeedsArguments, "decrypt", "INPUT OUTPUT"));
    const std::string& input = args[0];
    if (!FileExists(input)) throw ToolError(TranslatedUtf8(kToolCannotRead, args[0]));
    if (!IsEncrypted(ReadFileLines(input)))
        throw ToolError(TranslatedUtf8(kToolNotEnciphered, args[0]));
    WriteFileAtomically(args[1], JoinLinesCrLf(ReadPossiblyEncipheredFile(input)));
    return 0;
}

}  // namespace kiova::tool
