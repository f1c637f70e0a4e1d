#include "BalloonChanges.h"

#include "BalloonLines.h"
#include "View.h"

namespace kiova {

void TBalloonChanges::ReplaceAll() {
    replace_all_ = true;
    erased_reversed_.clear();
    added_.clear();
}

void TBalloonChanges::Added(std::u16string_view text) {
    changed_ = true;
    if (!replace_all_) added_ += text;
}

void TBalloonChanges::Erased(std::u16string_view text) {
    changed_ = true;
    if (replace_all_) return;
    if (text.size() <= added_.size()) {
        added_.resize(added_.size() - text.size());
        return;
    }
    const std::u16string_view shown = text.substr(0, text.size() - added_.size());
    added_.clear();
    erased_reversed_.append(shown.rbegin(), shown.rend());
}

void TBalloonChanges::ShowIn(TView& view, const TBalloonLines& lines) {
    if (!changed_) return;
    changed_ = false;
    if (replace_all_) {
        view.SetBalloonText(lines.Text());
        replace_all_ = false;
        return;
    }
    if (!erased_reversed_.empty())
        view.EraseBalloonText(std::u16string(erased_reversed_.rbegin(), erased_reversed_.rend()));
    if (!added_.empty()) view.AppendBalloonText(added_);
    erased_reversed_.clear();
    added_.clear();
}

}  // namespace kiova
