#include "Delegation.h"

#include <filesystem>

#include "Character.h"
#include "CodePage.h"
#include "CommandLine.h"
#include "Files.h"

namespace kiova {

std::optional<std::vector<std::string>> EntrustArguments(std::string_view data_folder,
                                                         std::u16string_view program,
                                                         std::u16string_view arguments) {
    // Taken from UTF-16 straight to the file system's UTF-8: nothing is lost on the way.
    const std::optional<std::string> program_path =
        PathInside(data_folder, Utf16ToUtf8(program), kUtf8CodePage);
    if (!program_path) return std::nullopt;
    const std::filesystem::path program_file = NativePath(*program_path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(program_file, error)) return std::nullopt;
    std::vector<std::string> vector = {
        program_file.string(),
        NativePath(std::string(data_folder) + std::string(kResultFileName)).string(),
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
    std::optional<std::vector<std::string>> command =
        EntrustArguments(character_.DataFolder(), program, arguments);
    if (!command) {
        const std::string name = Utf16ToUtf8(program);
        if (!PathInside(character_.DataFolder(), name, kUtf8CodePage))
            character_.ReportProblem(OutsideFolderMessage(name, kUtf8CodePage));
        return false;
    }
    return StartEntrust(*command);
}

std::u16string TDelegation::TakeResult() {
    return AnsiToUtf16(
        ReadFirstLineAndDelete(character_.DataFolder() + std::string(kResultFileName)),
        character_.CodePage());
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
