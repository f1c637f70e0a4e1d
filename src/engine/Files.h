// File access for the program's paths and for names written in character data.
//
// The program's paths (from the environment, the command line, dialogs, settings) are native
// bytes, UTF-8 on Linux, and never pass through a code page. Names in character data are ANSI
// text written on Windows, in the character's code page: `PathInside` converts them. In both, a
// backslash is a path delimiter, and a path element that does not exist as written is matched
// case-insensitively in its folder (an exact match wins).
// Files the program writes are replaced atomically (temporary file, then rename).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

std::filesystem::path NativePath(std::string_view path);

// `name`, a path written in character data in `code_page`, resolved like NativePath inside
// `folder` (a native folder the program chose): "." and ".." are stepped through, but never
// above `folder`, and no symbolic link may lead out of it. The result is `folder` followed by
// the elements as found (native); nothing when `name` is absolute (a leading delimiter or a
// drive) or leaves `folder`.
std::optional<std::string> PathInside(std::string_view folder, std::string_view name,
                                      int code_page);
// PathInside for a folder: the result ends in a delimiter.
std::optional<std::string> FolderInside(std::string_view folder, std::string_view name,
                                        int code_page);
// A file-system path as native text with '/' delimiters.
std::string PathText(const std::filesystem::path& path);

bool FileExists(std::string_view path);

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(std::string_view path);
// The file's lines (see SplitLines); empty when the file does not exist.
std::vector<std::string> ReadFileLines(std::string_view path);

// Writes `contents` to a new temporary file beside `ansi_path` and renames it into place, so the
// previous file survives a crash mid-write. The temporary file is created exclusively (a planted
// file or link under its name is never followed), a link at the target is replaced rather than
// written through, and the temporary files of earlier saves of the same file whose processes
// have ended are removed. Throws std::runtime_error on failure, leaving the previous file.
void WriteFileAtomically(std::string_view path, std::string_view contents);

// Appends `contents`, creating the file when needed. Throws std::runtime_error on failure.
void AppendToFile(std::string_view path, std::string_view contents);

// The first line of the file, which is then deleted; empty when there is no such file.
std::string ReadFirstLineAndDelete(std::string_view path);

// The folder part of a native path with a trailing delimiter ("" when there is none).
std::string ExtractFilePath(std::string_view path);
// Adds "/" unless the path is empty or already ends in a delimiter.
std::string IncludeTrailingDelimiter(std::string_view path);
bool IsPathDelimiter(char c);

}  // namespace kiova
