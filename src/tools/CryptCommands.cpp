// encrypt / decrypt: write and read enciphered data files.
#include <cstdio>
#include <iostream>

#include "CharacterFile.h"
#include "CodePage.h"
#include "CommonOptions.h"
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

// The key is a text of the character, so it is in the character's code page (the program's
// default without a package), and it must not turn into question marks there.
std::string KeyInCodePage(const std::string& key_utf8,
                          const std::optional<std::string>& package_utf8) {
    int code_page = CodePage();
    if (package_utf8) {
        const TCharacterFile package(ExistingPackagePath(*package_utf8));
        if (const std::optional<std::string>& problem = package.CharsetProblem())
            throw ToolError(*package_utf8 + ": " + *problem);
        code_page = package.CodePage();
    }
    std::optional<std::string> key = Utf8ToAnsiExact(key_utf8, code_page);
    if (!key) throw ToolError(TranslatedUtf8(kToolKeyNotInEncoding, CodePageName(code_page)));
    return *key;
}

}  // namespace

int RunEncryptCommand(const Arguments& args) {
    std::optional<std::string> key_utf8;
    std::optional<std::string> package_utf8;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--key")
            key_utf8 = OptionValue(args, i);
        else if (args[i] == "--package")
            package_utf8 = OptionValue(args, i);
        else if (args[i].starts_with("--"))
            throw UsageError(TranslatedUtf8(kToolUnknownOption, args[i]));
        else
            files.push_back(args[i]);
    }
    if (!key_utf8 || files.size() != 2)
        throw UsageError(TranslatedUtf8(kToolNeedsArguments, "encrypt", "--key KEY INPUT OUTPUT"));
    const std::string key = KeyInCodePage(*key_utf8, package_utf8);
    const std::string& input = files[0];
    std::optional<std::string> contents = ReadFileBytes(input);
    if (!contents) throw ToolError(TranslatedUtf8(kToolCannotRead, input));
    RefuseUncipherableKey(key);
    RefuseUncipherableText(input, *contents);
    WriteFileAtomically(files[1], JoinLinesCrLf(EncipherLines(SplitLines(*contents), key)));
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
