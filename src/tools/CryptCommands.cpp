// encrypt / decrypt: write and read enciphered data files.
#include <iostream>

#include "CodePage.h"
#include "Crypt.h"
#include "Files.h"
#include "TextUtils.h"
#include "ToolCommand.h"

namespace kiova::tool {

int RunEncryptCommand(const Arguments& args) {
    if (args.size() != 4 || args[0] != "--key")
        throw UsageError("encrypt needs --key KEY INPUT OUTPUT");
    const std::string input = Utf8ToAnsi(args[2]);
    std::optional<std::string> contents = ReadFileBytes(input);
    if (!contents) throw ToolError("cannot read " + args[2]);
    WriteFileAtomically(Utf8ToAnsi(args[3]),
                        JoinLinesCrLf(EncipherLines(SplitLines(*contents), Utf8ToAnsi(args[1]))));
    return 0;
}

int RunDecryptCommand(const Arguments& args) {
    if (args.size() != 2) throw UsageError("decrypt needs INPUT OUTPUT");
    const std::string input = Utf8ToAnsi(args[0]);
    if (!FileExists(input)) throw ToolError("cannot read " + args[0]);
    if (!IsEncrypted(ReadFileLines(input))) throw ToolError(args[0] + " is not enciphered");
    WriteFileAtomically(Utf8ToAnsi(args[1]), JoinLinesCrLf(ReadPossiblyEncipheredFile(input)));
    return 0;
}

}  // namespace kiova::tool
