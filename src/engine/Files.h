// File access for paths written in character data and settings.
//
// Such paths are ANSI text written on Windows: a backslash is a path delimiter, and a path
// element that does not exist as written is matched case-insensitively in its folder (an exact
// match wins). `NativePath` is the one place that turns them into file-system paths.
// Files the program writes are replaced atomically (temporary file, then rename).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

std::filesystem::path NativePath(std::string_view ansi_path);

// `name`, a path written in character data, resolved like NativePath inside `folder` (ANSI, a
// folder the program chose): "." and ".." are stepped through, but never above `folder`, and
// no symbolic link may lead out of it. The result is `folder` followed by the elements as
// found; nothing when `name` is absolute (a leading delimiter or a drive) or leaves `folder`.
std::optional<std::string> PathInside(std::string_view folder, std::string_view name);
// PathInside for a folder: the result ends in a delimiter.
std::optional<std::string> FolderInside(std::string_view folder, std::string_view name);
// A file-system path as ANSI text with '/' delimiters.
std::string AnsiPath(const std::filesystem::path& path);

bool FileExists(std::string_view ansi_path);

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(std::string_view ansi_path);
// The file's lines (see SplitLines); empty when the file does not exist.
std::vector<std::string> ReadFileLines(std::string_view ansi_path);

// Writes `contents` to a new temporary file beside `ansi_path` and renames it into place, so the
// previous file survives a crash mid-write. The temporary file is created exclusively (a planted
// file or link under its name is never followed), a link at the target is replaced rather than
// written through, and the temporary files of earlier saves of the same file whose processes
// have ended are removed. Throws std::runtime_error on failure, leaving the previous file.
void WriteFileAtomically(std::string_view ansi_path, std::string_view contents);

// Appends `contents`, creating the file when needed. Throws std::runtime_error on failure.
void AppendToFile(std::string_view ansi_path, std::string_view contents);

// The first line of the file, which is then deleted; empty when there is no such file.
std::string ReadFirstLineAndDelete(std::string_view ansi_path);

// The folder part of a path with a trailing delimiter ("" when there is none).
// Both functions know that a double-byte character may end in 0x5C, which is no backslash.
std::string ExtractFilePath(std::string_view ansi_path);
// Adds "/" unless the path is empty or already ends in a delimiter.
std::string IncludeTrailingDelimiter(std::string_view ansi_path);
bool IsPathDelimiter(char c);

}  // namespace kiova
