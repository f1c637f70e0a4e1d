#include "Delegation.h"

#include "Character.h"
#include "CodePage.h"
#include "CommandLine.h"
#include "Files.h"

namespace kiova {

std::vector<std::string> EntrustArguments(std::string_view data_folder, std::u16string_view program,
                                          std::u16string_view arguments) {
    const std::string folder(data_folder);
    std::vector<std::string> vector = {
        NativePath(folder + Utf16ToAnsi(program)).string(),
        NativePath(folder + std::string(kResultFileName)).string(),
    };
    for (const std::u16string& argument : SplitCommandLine(arguments))
        vector.push_back(Utf16ToUtf8(argument));
    return vector;
}

TDelegation::TDelegation(TCharacter& character, THandOverQueue& queue, TOpenDocument open_document)
    : character_(character), queue_(queue), open_document_(std::move(open_document)) {}

TDelegation::~TDelegation() = default;

bool TDelegation::Shell(std::u16string_view target) {
    if (!character_.AllowExecute()) return false;
    std::optional<std::string> opened = ShellTarget(target, character_.DataFolder());
    return opened && open_document_(*opened);
}

bool TDelegation::Entrust(std::u16string_view program, std::u16string_view arguments) {
    if (!character_.AllowExecute()) return false;
    entrust_.reset();
    return StartEntrust(EntrustArguments(character_.DataFolder(), program, arguments));
}

std::u16string TDelegation::TakeResult() {
    return AnsiToUtf16(
        ReadFirstLineAndDelete(character_.DataFolder() + std::string(kResultFileName)));
}

bool TDelegation::StartEntrust(const std::vector<std::string>& arguments) {
    std::optional<TChildProcess> process = StartHiddenProgram(arguments, TProgramLookup::AsGiven);
    if (!process) return false;
    character_.TakeEntrustFinished();  // clears the flag: it now speaks of this program
    TCharacter& character = character_;
    entrust_ = std::make_unique<TEntrust>(std::move(*process), queue_,
                                          [&character] { character.EntrustFinished(); });
    return true;
}

}  // namespace kiova
