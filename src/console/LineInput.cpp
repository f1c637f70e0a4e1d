#include "LineInput.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <iostream>

#include "ConsoleTexts.h"

namespace kiova {

TLineInput::TLineInput(int fd) : fd_(fd), terminal_(isatty(fd) == 1) {}

void TLineInput::ReadAvailable() {
    if (ended_) return;
    std::array<char, 4096> buffer;
    ssize_t got = read(fd_, buffer.data(), buffer.size());
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (got <= 0) {
        ended_ = true;
        if (!partial_.empty()) AddLine(std::move(partial_));
        partial_.clear();
        return;
    }
    partial_.append(buffer.data(), static_cast<size_t>(got));
    SplitLines(partial_.size() - static_cast<size_t>(got));
}

void TLineInput::SplitLines(size_t from) {
    size_t start = 0;
    for (size_t end; (end = partial_.find('\n', from)) != std::string::npos;
         start = from = end + 1) {
        if (!dropping_rest_) AddLine(partial_.substr(start, end - start));
        dropping_rest_ = false;
    }
    partial_.erase(0, dropping_rest_ ? partial_.size() : start);
    if (partial_.size() > kMaxLineBytes) CutLongLine();
}

// The line keeps its first kMaxLineBytes, less a UTF-8 sequence that would be split.
void TLineInput::CutLongLine() {
    size_t cut = kMaxLineBytes;
    while (cut > 0 && (static_cast<unsigned char>(partial_[cut]) & 0xC0) == 0x80) --cut;
    partial_.resize(cut);
    AddLine(std::move(partial_));
    partial_.clear();
    dropping_rest_ = true;
    std::cerr << TranslatedUtf8(kConsoleLineCut) << '\n';
}

void TLineInput::AddLine(std::string line) {
    std::erase_if(line, [](char byte) {
        return (static_cast<unsigned char>(byte) < 0x20 && byte != '\t') || byte == 0x7F;
    });
    lines_.push_back(std::move(line));
}

std::optional<std::string> TLineInput::TakeLine() {
    if (lines_.empty()) return std::nullopt;
    std::string line = std::move(lines_.front());
    lines_.pop_front();
    return line;
}

std::optional<std::string> TLineInput::ReadLine(int interrupt_fd) {
    while (!HasLine() && !ended_) {
        std::array<pollfd, 2> watched{{{fd_, POLLIN, 0}, {interrupt_fd, POLLIN, 0}}};
        if (poll(watched.data(), interrupt_fd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (watched[1].revents != 0) return std::nullopt;
        if (watched[0].revents != 0) ReadAvailable();
    }
    return TakeLine();
}

}  // namespace kiova
