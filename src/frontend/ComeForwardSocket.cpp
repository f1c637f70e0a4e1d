#include "ComeForwardSocket.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "Files.h"

namespace kiova {
namespace {
constexpr int kBacklog = 8;

std::string SocketName(long pid) {
    return ".kiova-" + std::to_string(pid) + ".socket";
}

// Runs `use` with the address of `name` in `folder`. A path too long for a socket address goes
// through the folder's descriptor in /proc, so a deep program folder works all the same.
bool WithAddress(const std::filesystem::path& folder, const std::string& name,
                 const std::function<bool(const sockaddr_un&)>& use) {
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::string path = (folder / name).string();
    if (path.size() < sizeof address.sun_path) {
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        return use(address);
    }
    int folder_fd = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd < 0) return false;
    path = "/proc/self/fd/" + std::to_string(folder_fd) + "/" + name;
    bool used = path.size() < sizeof address.sun_path;
    if (used) {
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        used = use(address);
    }
    close(folder_fd);
    return used;
}

const sockaddr* AsAddress(const sockaddr_un& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}
}  // namespace

TComeForwardSocket::TComeForwardSocket(std::string_view program_folder) {
    std::filesystem::path folder = NativePath(program_folder);
    std::string name = SocketName(getpid());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return;
    path_ = (folder / name).string();
    unlink(path_.c_str());  // left by an earlier process of the same id that did not end in order
    bool listening = WithAddress(folder, name, [fd](const sockaddr_un& address) {
        return bind(fd, AsAddress(address), sizeof address) == 0 && listen(fd, kBacklog) == 0;
    });
    if (listening)
        fd_ = fd;
    else
        close(fd);
}

TComeForwardSocket::~TComeForwardSocket() {
    if (fd_ < 0) return;
    close(fd_);
    unlink(path_.c_str());
}

bool TComeForwardSocket::TakeRequests() {
    bool any = false;
    for (int request; (request = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        close(request);
        any = true;
    }
    return any;
}

bool SendComeForward(std::string_view program_folder, long pid) {
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool sent =
        WithAddress(NativePath(program_folder), SocketName(pid), [fd](const sockaddr_un& address) {
            return connect(fd, AsAddress(address), sizeof address) == 0;
        });
    close(fd);
    return sent;
}

}  // namespace kiova
