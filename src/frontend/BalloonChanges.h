// The changes of the balloon's text that the view has not been shown yet. The player gathers
// them while it skips through an answer and shows them at once, so that each letter costs the
// view nothing and an answer of any length reaches it in time linear in its length.
#pragma once

#include <string>
#include <string_view>

namespace kiova {

class TBalloonLines;
class TView;

class TBalloonChanges {
public:
    // The view's text is no longer the balloon's (a new answer, CLEAR): the next show replaces
    // it whole.
    void ReplaceAll();
    // `text` has been added at the end of the balloon's text.
    void Added(std::u16string_view text);
    // `text`, the end of the balloon's text, has been taken back.
    void Erased(std::u16string_view text);
    // Shows what has changed, if anything; `lines` give the whole text when it is replaced.
    void ShowIn(TView& view, const TBalloonLines& lines);

private:
    bool changed_ = false;
    bool replace_all_ = true;
    std::u16string erased_reversed_;  // taken back from what the view shows, last letter first
    std::u16string added_;
};

}  // namespace kiova
