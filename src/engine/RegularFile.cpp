#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kiova {
namespace {
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : fd_(fd) {}
    ~TFileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Reads to the end; false on an error, or when the file has grown past `size_limit` since it
// was measured.
bool ReadAll(int fd, std::uint64_t size_limit, std::string& bytes) {
    char block[64 * 1024];
    for (;;) {
        ssize_t count = ::read(fd, block, sizeof block);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        if (count == 0) return true;
        if (bytes.size() + static_cast<size_t>(count) > size_limit) return false;
        bytes.append(block, static_cast<size_t>(count));
    }
}
}  // namespace

TFileRead ReadRegularFile(const std::filesystem::path& file, std::uint64_t size_limit) {
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    TFileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0)
        return {errno == ENOENT || errno == ENOTDIR ? EFileRead::Missing : EFileRead::Unreadable};
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0) return {EFileRead::Unreadable};
    if (!S_ISREG(status.st_mode)) return {EFileRead::NotRegular};
    if (static_cast<std::uint64_t>(status.st_size) > size_limit) return {EFileRead::TooLarge};
    TFileRead read{EFileRead::Read};
    read.bytes.reserve(static_cast<size_t>(status.st_size));
    if (!ReadAll(fd.Get(), size_limit, read.bytes)) return {EFileRead::Unreadable};
    return read;
}

std::string FileReadProblem(EFileRead status) {
    switch (status) {
        case EFileRead::Read:
            return "was read";
        case EFileRead::Missing:
            return "does not exist";
        case EFileRead::NotRegular:
            return "is no regular file";
        case EFileRead::TooLarge:
            return "is too large";
        case EFileRead::Unreadable:
            break;
    }
    return "cannot be read";
}

}  // namespace kiova
