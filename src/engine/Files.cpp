#include "Files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "CodePage.h"
#include "TextUtils.h"

namespace fs = std::filesystem;

namespace kiova {
namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

// `folder / element` as written when it exists, else the first entry of `folder` whose name
// equals `element` ignoring case, else `folder / element` as written.
fs::path ResolveElement(const fs::path& folder, const std::string& element) {
    fs::path exact = folder / element;
    std::error_code error;
    if (element == "." || element == ".." || fs::exists(exact, error)) return exact;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        if (EqualIgnoringAsciiCase(name, element)) return folder / name;
    }
    return exact;
}

[[noreturn]] void ThrowIoError(const std::string& what, std::string_view ansi_path) {
    throw std::runtime_error(what + " " + AnsiToUtf8(ansi_path) + ": " + std::strerror(errno));
}

void WriteAll(int fd, std::string_view contents, std::string_view ansi_path) {
    while (!contents.empty()) {
        ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) {
            int saved = errno;
            ::close(fd);
            errno = saved;
            ThrowIoError("cannot write", ansi_path);
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
}

}  // namespace

bool IsPathDelimiter(char c) {
    return c == '/' || c == '\\';
}

fs::path NativePath(std::string_view ansi_path) {
    std::string utf8 = AnsiToUtf8(ansi_path);
    fs::path result = !utf8.empty() && IsPathDelimiter(utf8[0]) ? fs::path("/") : fs::path();
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find_first_of("/\\", start);
        if (end == std::string::npos) end = utf8.size();
        if (end > start) result = ResolveElement(result, utf8.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

std::string AnsiPath(const fs::path& path) {
    return Utf8ToAnsi(path.generic_string());
}

bool FileExists(std::string_view ansi_path) {
    std::error_code error;
    return !ansi_path.empty() && fs::is_regular_file(NativePath(ansi_path), error);
}

std::optional<std::string> ReadFileBytes(std::string_view ansi_path) {
    if (!FileExists(ansi_path)) return std::nullopt;
    std::ifstream in(NativePath(ansi_path), std::ios::binary);
    if (!in) return std::nullopt;
    // Read in blocks rather than through `<< rdbuf()`, which gives an empty text for a read that
    // fails (an I/O error) just as for an empty file.
    std::string contents;
    char block[64 * 1024];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        contents.append(block, static_cast<size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return contents;
}

std::vector<std::string> ReadFileLines(std::string_view ansi_path) {
    return SplitLines(ReadFileBytes(ansi_path).value_or(std::string()));
}

void WriteFileAtomically(std::string_view ansi_path, std::string_view contents) {
    fs::path target = NativePath(ansi_path);
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(::getpid());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) ThrowIoError("cannot create", ansi_path);
    WriteAll(fd, contents, ansi_path);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(temporary.c_str());
        ThrowIoError("cannot write", ansi_path);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        int saved = errno;
        ::unlink(temporary.c_str());
        errno = saved;
        ThrowIoError("cannot replace", ansi_path);
    }
}

void AppendToFile(std::string_view ansi_path, std::string_view contents) {
    int fd = ::open(NativePath(ansi_path).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) ThrowIoError("cannot open", ansi_path);
    WriteAll(fd, contents, ansi_path);
    if (::close(fd) != 0) ThrowIoError("cannot write", ansi_path);
}

std::string ReadFirstLineAndDelete(std::string_view ansi_path) {
    std::optional<std::string> contents = ReadFileBytes(ansi_path);
    if (!contents) return {};
    std::error_code ignored;
    fs::remove(NativePath(ansi_path), ignored);
    std::vector<std::string> lines = SplitLines(*contents);
    return lines.empty() ? std::string() : lines.front();
}

namespace {
// Byte count up to and including the last delimiter; 0 when there is none. Scans forward so that
// the trail byte of a double-byte character (which may be 0x5C) is never taken for a backslash.
size_t FolderLength(std::string_view ansi_path) {
    size_t length = 0;
    for (size_t i = 0; i < ansi_path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(ansi_path[i])))
            ++i;
        else if (IsPathDelimiter(ansi_path[i]))
            length = i + 1;
    }
    return length;
}
}  // namespace

std::string ExtractFilePath(std::string_view ansi_path) {
    return std::string(ansi_path.substr(0, FolderLength(ansi_path)));
}

std::string IncludeTrailingDelimiter(std::string_view ansi_path) {
    std::string result(ansi_path);
    if (!result.empty() && FolderLength(result) != result.size()) result += '/';
    return result;
}

}  // namespace kiova
