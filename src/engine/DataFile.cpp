#include "DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "CodePage.h"
#include "Files.h"
#include "KiovaError.h"

namespace kiova {
namespace {

constexpr size_t kBlockSize = 64 * 1024;

}  // namespace

std::vector<std::string> ReadDataFileLines(std::string_view ansi_path) {
    TDataLineReader reader(ansi_path);
    std::vector<std::string> lines;
    for (std::string line; reader.Next(line);) lines.push_back(std::move(line));
    return lines;
}

TDataLineReader::TDataLineReader(std::string_view ansi_path)
    : path_(ansi_path), block_(kBlockSize) {
    // Non-blocking and checked on the opened file: a FIFO put in a file's place cannot block.
    fd_ = ::open(NativePath(ansi_path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) throw EKiovaError("cannot read " + path_);
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd_);
        throw EKiovaError("cannot read " + path_ + ": no regular file");
    }
}

TDataLineReader::~TDataLineReader() {
    ::close(fd_);
}

bool TDataLineReader::Next(std::string& line) {
    if (!NextRawLine(line)) return false;
    ++line_number_;
    if (line_number_ == 1 && IsEncrypted({line})) {
        crypt_.emplace(TCryptMode::Decode);
        crypt_->SetKey(ReadEmbeddedKey({line}));
        return Next(line);
    }
    if (crypt_) line = crypt_->TransformString(line);
    return true;
}

uint32_t TDataLineReader::CountLinesAfterNul() {
    if (!nul_found_) return 0;
    nul_ends_text_ = false;  // from here on a NUL is a byte like any other
    at_end_ = false;
    std::string line;
    NextRawLine(line);  // the rest of the line that holds the NUL
    uint32_t count = 0;
    while (NextRawLine(line)) ++count;
    return count;
}

bool TDataLineReader::NextRawLine(std::string& line) {
    line.clear();
    if (at_end_) return false;
    bool any = false;  // a last line without a line end counts; nothing after the last does not
    for (;;) {
        if (begin_ == end_ && !Fill()) {
            at_end_ = true;
            return any;
        }
        if (after_cr_) {
            after_cr_ = false;
            if (block_[begin_] == '\n' && ++begin_ == end_) continue;
        }
        const char* first = block_.data() + begin_;
        const char* last = block_.data() + end_;
        const char* stop = std::find_if(first, last, [this](char c) {
            return c == '\r' || c == '\n' || (c == '\0' && nul_ends_text_);
        });
        line.append(first, stop);
        any = any || stop != first;
        begin_ = static_cast<size_t>(stop - block_.data());
        if (stop == last) continue;
        ++begin_;
        if (*stop == '\0') {
            nul_found_ = true;
            nul_line_ = line_number_ + 1;
            at_end_ = true;
            return any;
        }
        after_cr_ = *stop == '\r';
        return true;
    }
}

bool TDataLineReader::Fill() {
    for (;;) {
        const ssize_t count = ::read(fd_, block_.data(), block_.size());
        if (count >= 0) {
            begin_ = 0;
            end_ = static_cast<size_t>(count);
            return count > 0;
        }
        if (errno != EINTR) throw EKiovaError("cannot read " + path_);
    }
}

}  // namespace kiova
