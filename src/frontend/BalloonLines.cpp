#include "BalloonLines.h"

#include <algorithm>

namespace kiova {

std::u16string TBalloonLines::Append(std::u16string_view text) {
    std::u16string gained;
    const size_t wanted = static_cast<size_t>(line_index_) + 1;
    if (lines_.size() < wanted) {
        for (size_t line = std::max<size_t>(lines_.size(), 1); line < wanted; ++line)
            gained += u"\r\n";
        lines_.resize(wanted);
    }
    lines_[line_index_] += text;
    return gained += text;
}

std::optional<std::u16string> TBalloonLines::EraseLast() {
    if (lines_.empty() || (line_index_ == 0 && lines_.front().empty())) return std::nullopt;
    size_t index = static_cast<size_t>(line_index_);
    if (index < lines_.size() && !lines_[index].empty()) {
        std::u16string lost(1, lines_[index].back());
        lines_[index].pop_back();
        return lost;
    }
    std::u16string lost;
    if (index < lines_.size()) {
        lines_.erase(lines_.begin() + line_index_);
        lost = u"\r\n";  // the line was the last: the current line never lies before the end
    }
    --line_index_;
    return lost;
}

void TBalloonLines::Reset() {
    lines_.clear();
    line_index_ = 0;
}

std::u16string TBalloonLines::Text() const {
    std::u16string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) text += u"\r\n";
        text += lines_[i];
    }
    return text;
}

}  // namespace kiova
