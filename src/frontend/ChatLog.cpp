// Entries go in as text of any shape and come out as exactly one line at the end of the file.
// A file whose last line lacks its line end gets one first, so no entry is ever glued to the
// previous one.
#include "ChatLog.h"

#include <filesystem>
#include <fstream>

#include "Files.h"
#include "InstalledFolders.h"
#include "LogFormat.h"

namespace kiova {
namespace {
bool EndsInsideLine(std::string_view path) {
    std::ifstream file(NativePath(path), std::ios::binary | std::ios::ate);
    if (!file || file.tellg() <= 0) return false;
    file.seekg(-1, std::ios::end);
    char last = 0;
    file.get(last);
    return last != '\n' && last != '\r';
}
}  // namespace

void TChatLog::Write(std::string_view text) const {
    if (!format_) format_ = DetectTextFileFormat(ReadFileBytes(path_).value_or(std::string()));
    std::string entry = EndsInsideLine(path_) ? format_->line_end : "";
    entry += CrLfToBr(TrimBlanks(text)) + format_->line_end;
    const TTextFileFormat before = *format_;
    const std::string encoded = Utf8ToTextFile(entry, *format_);
    if (*format_ == before) {
        AppendToFile(path_, encoded);
        return;
    }
    const std::string earlier = ReadFileBytes(path_).value_or(std::string());
    WriteFileAtomically(path_, TextFileToUtf8(earlier, before) + encoded);
}

std::string StartChattingEntry(TDateTime moment, std::string_view name) {
    return LogTimeStamp(moment) + " # Start chatting with " + std::string(name);
}

std::string EndChattingEntry(TDateTime moment, std::string_view name) {
    return LogTimeStamp(moment) + " # End chatting with " + std::string(name);
}

std::string ConversationLogPath(std::string_view program_folder) {
    std::filesystem::path executable = ExecutablePath();
    std::string stem = executable.empty() ? "kiova" : PathText(executable.stem());
    return std::string(program_folder) + stem + ".log";
}

}  // namespace kiova
