#include "SharedIniFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "Files.h"

namespace kiova {
namespace {
constexpr auto kLockPatience = std::chrono::seconds(3);
constexpr auto kLockRetry = std::chrono::milliseconds(10);

// The folder rather than the file: the file itself is replaced by a rename at every save.
class TFolderLock {
public:
    explicit TFolderLock(const std::filesystem::path& folder)
        : fd_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ < 0) return;
        auto deadline = std::chrono::steady_clock::now() + kLockPatience;
        while (flock(fd_, LOCK_EX | LOCK_NB) != 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(kLockRetry);
    }
    ~TFolderLock() {
        if (fd_ >= 0) close(fd_);  // releases the lock
    }
    TFolderLock(const TFolderLock&) = delete;
    TFolderLock& operator=(const TFolderLock&) = delete;

private:
    int fd_;
};
}  // namespace

void UpdateIniFile(std::string_view path, const std::function<void(TIniFile&)>& change) {
    std::filesystem::path folder = NativePath(path).parent_path();
    TFolderLock lock(folder.empty() ? std::filesystem::path(".") : folder);
    TIniFile file{std::string(path)};
    change(file);
    file.Save();
}

}  // namespace kiova
