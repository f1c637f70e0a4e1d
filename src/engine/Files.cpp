#include "Files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
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

[[noreturn]] void ThrowIoError(const std::string& what, std::string_view path) {
    throw std::runtime_error(what + " " + std::string(path) + ": " + std::strerror(errno));
}

void WriteAll(int fd, std::string_view contents, std::string_view path) {
    while (!contents.empty()) {
        ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) ThrowIoError("cannot write", path);
        contents.remove_prefix(static_cast<size_t>(written));
    }
}

// "NAME.tmp": the start of every temporary file name of a save of NAME. The rest is the saving
// process's id, then "-" and a random part (older versions wrote the id alone).
std::string TemporaryPrefix(const fs::path& target) {
    return target.filename().string() + ".tmp";
}

bool IsLiveProcess(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// Removes what killed saves of `target` left behind: temporary files of processes that have
// ended. Those of running processes (another instance saving the same file) are theirs.
void RemoveStaleTemporaries(const fs::path& target) {
    const std::string prefix = TemporaryPrefix(target);
    std::error_code error;
    fs::directory_iterator it(target.has_parent_path() ? target.parent_path() : fs::path("."),
                              error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const std::string_view owner = std::string_view(name).substr(prefix.size());
        const size_t digits = std::min(owner.find('-'), owner.size());
        if (digits == 0 || digits > 9 ||
            owner.substr(0, digits).find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(std::string(owner.substr(0, digits))));
        if (pid != ::getpid() && !IsLiveProcess(pid)) ::unlink(it->path().c_str());
    }
}

// A new file beside the target, created exclusively (O_EXCL, O_NOFOLLOW), so a file or link
// planted under its name in a folder that someone else writes to is never opened. It is
// removed again unless it replaces the target.
class TTemporaryFile {
public:
    TTemporaryFile(const fs::path& target, std::string_view path)
        : target_(target), path_text_(path) {
        static std::atomic<unsigned> counter = 0;
        const std::string stem = target.string() + ".tmp" + std::to_string(::getpid()) + "-";
        for (int attempt = 0; fd_ < 0 && attempt < 100; ++attempt) {
            const auto salt = static_cast<unsigned>(
                std::chrono::steady_clock::now().time_since_epoch().count() ^ (counter++ << 20));
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "%08x", salt);
            path_ = stem + suffix;
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        if (fd_ < 0) ThrowIoError("cannot create", path_text_);
        KeepPermissionsOf(target);
    }
    ~TTemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    void Write(std::string_view contents) {
        WriteAll(fd_, contents, path_text_);
        const int synced = ::fsync(fd_);
        const int closed = ::close(fd_);
        fd_ = -1;
        if (synced != 0 || closed != 0) ThrowIoError("cannot write", path_text_);
    }
    // rename() replaces a link at the target by the file; it never writes through it.
    void ReplaceTarget() {
        if (::rename(path_.c_str(), target_.c_str()) != 0)
            ThrowIoError("cannot replace", path_text_);
        path_.clear();
    }

private:
    // A file the user made private stays private.
    void KeepPermissionsOf(const fs::path& target) const {
        struct stat status {};
        if (::lstat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode))
            ::fchmod(fd_, status.st_mode & 07777);
    }

    fs::path target_;
    std::string path_text_;
    std::string path_;
    int fd_ = -1;
};

}  // namespace

bool IsPathDelimiter(char c) {
    return c == '/' || c == '\\';
}

fs::path NativePath(std::string_view path) {
    const std::string_view utf8 = path;
    fs::path result = !utf8.empty() && IsPathDelimiter(utf8[0]) ? fs::path("/") : fs::path();
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find_first_of("/\\", start);
        if (end == std::string_view::npos) end = utf8.size();
        if (end > start)
            result = ResolveElement(result, std::string(utf8.substr(start, end - start)));
        start = end + 1;
    }
    return result;
}

namespace {

bool IsAbsoluteName(std::string_view name) {
    const bool drive = name.size() >= 2 && name[1] == ':' &&
                       ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    return drive || (!name.empty() && IsPathDelimiter(name[0]));
}

// `path` with its symbolic links and dots resolved, without a trailing delimiter.
std::optional<fs::path> RealPath(const fs::path& path) {
    std::error_code error;
    fs::path real = fs::weakly_canonical(path.empty() ? fs::path(".") : path, error);
    if (error) return std::nullopt;
    if (real.has_filename()) return real;
    return real.parent_path();
}

bool LiesWithin(const fs::path& path, const fs::path& folder) {
    const std::optional<fs::path> real = RealPath(path);
    const std::optional<fs::path> real_folder = RealPath(folder);
    if (!real || !real_folder) return false;
    const auto [in_folder, in_path] =
        std::mismatch(real_folder->begin(), real_folder->end(), real->begin(), real->end());
    return in_folder == real_folder->end();
}

}  // namespace

std::optional<std::string> PathInside(std::string_view folder, std::string_view name,
                                      int code_page) {
    if (IsAbsoluteName(name)) return std::nullopt;
    const fs::path root = NativePath(folder);
    fs::path resolved = root;
    std::vector<std::string> elements;  // as found
    const std::string utf8 = AnsiToUtf8(name, code_page);
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = std::min(utf8.find_first_of("/\\", start), utf8.size());
        const std::string element = utf8.substr(start, end - start);
        start = end + 1;
        if (element.empty() || element == ".") continue;
        if (element == "..") {
            if (elements.empty()) return std::nullopt;
            elements.pop_back();
            resolved = resolved.parent_path();
            continue;
        }
        resolved = ResolveElement(resolved, element);
        elements.push_back(resolved.filename().string());
    }
    if (!LiesWithin(resolved, root)) return std::nullopt;
    std::string result = IncludeTrailingDelimiter(folder);
    for (size_t i = 0; i < elements.size(); ++i) result += (i == 0 ? "" : "/") + elements[i];
    return result;
}

std::optional<std::string> FolderInside(std::string_view folder, std::string_view name,
                                        int code_page) {
    std::optional<std::string> path = PathInside(folder, name, code_page);
    if (path) *path = IncludeTrailingDelimiter(*path);
    return path;
}

std::string PathText(const fs::path& path) {
    return path.generic_string();
}

bool FileExists(std::string_view path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(NativePath(path), error);
}

std::optional<std::string> ReadFileBytes(std::string_view path) {
    if (!FileExists(path)) return std::nullopt;
    std::ifstream in(NativePath(path), std::ios::binary);
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

std::vector<std::string> ReadFileLines(std::string_view path) {
    return SplitLines(ReadFileBytes(path).value_or(std::string()));
}

void WriteFileAtomically(std::string_view path, std::string_view contents) {
    const fs::path target = NativePath(path);
    RemoveStaleTemporaries(target);
    TTemporaryFile temporary(target, path);
    temporary.Write(contents);
    temporary.ReplaceTarget();
}

void AppendToFile(std::string_view path, std::string_view contents) {
    int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) ThrowIoError("cannot open", path);
    try {
        WriteAll(fd, contents, path);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0) ThrowIoError("cannot write", path);
}

std::string ReadFirstLineAndDelete(std::string_view path) {
    std::optional<std::string> contents = ReadFileBytes(path);
    if (!contents) return {};
    std::error_code ignored;
    fs::remove(NativePath(path), ignored);
    std::vector<std::string> lines = SplitLines(*contents);
    return lines.empty() ? std::string() : lines.front();
}

namespace {
// Byte count up to and including the last delimiter; 0 when there is none. A native path is
// UTF-8, whose multi-byte sequences never hold a delimiter byte.
size_t FolderLength(std::string_view path) {
    const size_t last = path.find_last_of("/\\");
    return last == std::string_view::npos ? 0 : last + 1;
}
}  // namespace

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, FolderLength(path)));
}

std::string IncludeTrailingDelimiter(std::string_view path) {
    std::string result(path);
    if (!result.empty() && FolderLength(result) != result.size()) result += '/';
    return result;
}

}  // namespace kiova
