#include "ConsoleView.h"

#include <algorithm>
#include <climits>

#include "BalloonPrinter.h"
#include "CodePage.h"
#include "ConsoleDialogs.h"
#include "FrontEnd.h"
#include "ProfileFields.h"
#include "TerminalText.h"
#include "UiTexts.h"

namespace kiova {

// What the user types stays in the model only: the terminal has shown it already. The answers
// (the balloon is read-only while they play) and every new balloon go to the printer.
void TConsoleView::SetBalloonText(std::u16string_view text) {
    balloon_text_ = text;
    if (read_only_ || text.empty()) terminal_.Printer().Show(text);
}

void TConsoleView::AppendBalloonText(std::u16string_view text) {
    balloon_text_ += text;
    if (read_only_) terminal_.Printer().Append(text);
}

void TConsoleView::EraseBalloonText(std::u16string_view erased) {
    balloon_text_.resize(balloon_text_.size() - std::min(erased.size(), balloon_text_.size()));
    if (read_only_) terminal_.Printer().Erase(erased);
}

void TConsoleView::ShowPicture(const QImage& picture) {
    if (!verbose_ || picture.cacheKey() == picture_key_) return;
    picture_key_ = picture.cacheKey();
    std::string file = picture.text(QString::fromUtf8(kPictureFileKey)).toStdString();
    terminal_.Say(picture.isNull() ? "[no picture]"
                                   : "[picture " + file.substr(file.find_last_of('/') + 1) + "]");
}

QSize TConsoleView::ScreenSize() const {
    return QSize(INT_MAX, INT_MAX);
}

void TConsoleView::ShowPattingWindow() {
    std::string list = PlainCaption(kPattingCaption);
    for (size_t i = 0; i < patting_captions_.size(); ++i)
        list += "\n  " + std::to_string(i + 1) + ". " + TerminalText(patting_captions_[i]);
    terminal_.Say(list);
}

bool TConsoleView::OpenAddress(std::u16string_view address) {
    if (address.empty()) return false;
    terminal_.Say(TerminalText(address));
    return true;
}

void TConsoleView::ShowMessage(std::u16string_view text) {
    terminal_.Say(TerminalText(text));
}

void TConsoleView::RunSelectionDialog(TCharacterSelection& selection) {
    RunConsoleSelection(terminal_, selection);
}

void TConsoleView::RunSettingsDialog() {
    std::optional<TProfileFields> fields =
        AskProfile(terminal_, ProfileFieldsOf(front_end_->User()));
    if (fields) {
        front_end_->SetUserProfile(UserFromFields(*fields, front_end_->User()));
        return;
    }
    front_end_->Close(false);
    quit_requested_ = true;
}

void TConsoleView::RunAboutDialog() {
    terminal_.Say(AboutText(front_end_->Character()));
}

}  // namespace kiova
