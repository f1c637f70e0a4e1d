#include "TerminalOutput.h"

#include <unistd.h>

#include <cerrno>

namespace kiova {

void TTerminalOutput::Write(std::string_view utf8) {
    while (!broken_ && !utf8.empty()) {
        ssize_t written = write(fd_, utf8.data(), utf8.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            broken_ = true;
            return;
        }
        utf8.remove_prefix(static_cast<size_t>(written));
    }
}

}  // namespace kiova
