#include "CharacterLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "ComeForwardSocket.h"
#include "Files.h"

namespace kiova {
namespace {
// The same character reached through another spelling of its path has the same key.
std::string LockPath(std::string_view program_folder, std::string_view package_path) {
    std::error_code error;
    std::filesystem::path package = NativePath(package_path);
    std::filesystem::path canonical = std::filesystem::weakly_canonical(package, error);
    std::string key_source = (error ? package : canonical).string();
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char byte : key_source) hash = (hash ^ byte) * 1099511628211ull;
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return (NativePath(program_folder) / (".kiova-" + std::string(key) + ".lock")).string();
}

// The process id that the holder wrote into the lock file; 0 when there is none.
long HolderOf(const std::string& lock_path) {
    std::optional<std::string> text = ReadFileBytes(PathText(lock_path));
    if (!text) return 0;
    try {
        return std::stol(*text);
    } catch (const std::exception&) {
        return 0;
    }
}
}  // namespace

std::optional<TCharacterLock> TCharacterLock::Take(std::string_view program_folder,
                                                   std::string_view package_path,
                                                   const TCharacterLock& held) {
    std::string path = LockPath(program_folder, package_path);
    // A second descriptor of the same open file shares its lock.
    if (held.fd_ >= 0 && held.path_ == path)
        return TCharacterLock(fcntl(held.fd_, F_DUPFD_CLOEXEC, 0), path);
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return TCharacterLock();
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return std::nullopt;
    }
    std::string pid = std::to_string(getpid());
    if (ftruncate(fd, 0) != 0 ||
        pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
        // The lock holds without the id; a second start then cannot ask this process to come
        // forward, but still does not run the character twice.
    }
    return TCharacterLock(fd, path);
}

TCharacterLock::TCharacterLock(TCharacterLock&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
}

TCharacterLock& TCharacterLock::operator=(TCharacterLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

TCharacterLock::~TCharacterLock() {
    Release();
}

void TCharacterLock::Release() {
    if (fd_ >= 0) close(fd_);  // closing the last descriptor releases the lock
    fd_ = -1;
}

bool CharacterRunsElsewhere(std::string_view program_folder, std::string_view package_path) {
    int fd = open(LockPath(program_folder, package_path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool held = flock(fd, LOCK_SH | LOCK_NB) != 0;
    close(fd);
    return held;
}

bool AskToComeForward(std::string_view program_folder, std::string_view package_path) {
    if (!CharacterRunsElsewhere(program_folder, package_path)) return false;
    long holder = HolderOf(LockPath(program_folder, package_path));
    return holder > 0 && SendComeForward(program_folder, holder);
}

}  // namespace kiova
