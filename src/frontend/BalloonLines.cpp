#include "BalloonLines.h"

namespace kiova {

void TBalloonLines::Append(std::u16string_view text) {
    if (lines_.size() < static_cast<size_t>(line_index_) + 1) lines_.resize(line_index_ + 1);
    lines_[line_index_] += text;
}

bool TBalloonLines::EraseLast() {
    if (lines_.empty() || (line_index_ == 0 && lines_.front().empty())) return false;
    size_t index = static_cast<size_t>(line_index_);
    if (index < lines_.size() && !lines_[index].empty()) {
        lines_[index].pop_back();
        return true;
    }
    if (index < lines_.size()) lines_.erase(lines_.begin() + line_index_);
    --line_index_;
    return true;
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
