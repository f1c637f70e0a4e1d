#include "BalloonPrinter.h"

#include <algorithm>

#include "CodePage.h"
#include "TerminalOutput.h"
#include "TerminalText.h"

namespace kiova {
namespace {
bool IsWide(char32_t letter) {
    return (letter >= 0x1100 && letter <= 0x115F) || (letter >= 0x2E80 && letter <= 0xA4CF) ||
           (letter >= 0xAC00 && letter <= 0xD7A3) || (letter >= 0xF900 && letter <= 0xFAFF) ||
           (letter >= 0xFE30 && letter <= 0xFE4F) || (letter >= 0xFF00 && letter <= 0xFF60) ||
           (letter >= 0xFFE0 && letter <= 0xFFE6) || (letter >= 0x1F300 && letter <= 0x1FAFF) ||
           (letter >= 0x20000 && letter <= 0x3FFFD);
}

bool IsCombining(char32_t letter) {
    return (letter >= 0x0300 && letter <= 0x036F) || (letter >= 0x3099 && letter <= 0x309A) ||
           letter == 0x200B || (letter >= 0xFE00 && letter <= 0xFE0F);
}

// A control character is shown as ^X, a C1 one as ^[X (see TerminalText).
int ShownControlWidth(char32_t letter) {
    if (letter < 0x20 || letter == 0x7F) return 2;
    return letter >= 0x80 && letter <= 0x9F ? 3 : 1;
}

size_t CommonPrefix(std::u16string_view a, std::u16string_view b) {
    return static_cast<size_t>(
        std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin()).first -
        a.begin());
}
}  // namespace

int DisplayWidth(std::u16string_view text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t letter = text[i];
        if (letter >= 0xD800 && letter <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            letter = 0x10000 + ((letter - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        width += IsCombining(letter) ? 0 : IsWide(letter) ? 2 : ShownControlWidth(letter);
    }
    return width;
}

void TBalloonPrinter::Show(std::u16string_view text) {
    if (text.empty()) {
        Flush();
        text_.clear();
        printed_ = 0;
        can_erase_ = false;
        new_balloon_ = true;
        return;
    }
    TakeBack(CommonPrefix(std::u16string_view(text_).substr(0, printed_), text));
    text_ = text;
    if (live_) Flush();
}

void TBalloonPrinter::Append(std::u16string_view text) {
    text_ += text;
    if (live_) Flush();
}

void TBalloonPrinter::Erase(std::u16string_view erased) {
    const size_t size = text_.size() - std::min(erased.size(), text_.size());
    TakeBack(std::min(printed_, size));
    text_.resize(size);
    if (live_) Flush();
}

void TBalloonPrinter::Clear() {
    Show(u"");
    blank_line_owed_ = true;
}

void TBalloonPrinter::TakeBack(size_t kept) {
    if (kept >= printed_) return;
    const std::u16string_view taken = std::u16string_view(text_).substr(kept, printed_ - kept);
    rub_out_columns_ += DisplayWidth(taken);
    rub_out_blocked_ = rub_out_blocked_ || taken.find_first_of(u"\r\n") != taken.npos;
    printed_ = kept;
}

void TBalloonPrinter::Flush() {
    RubOut();
    if (printed_ == text_.size()) return;
    if (new_balloon_) {
        StartLine();
        if (blank_line_owed_) sink_.Write("\n");
        new_balloon_ = blank_line_owed_ = false;
    }
    std::string added = TerminalText(std::u16string_view(text_).substr(printed_));
    sink_.Write(added);
    line_open_ = !added.empty() && added.back() != '\n';
    can_erase_ = live_;
    printed_ = text_.size();
}

// Letters can be rubbed out only on a terminal and only on the line the cursor is on; what
// cannot be rubbed out stays, and the balloon goes on after it.
void TBalloonPrinter::RubOut() {
    if (can_erase_ && !rub_out_blocked_ && rub_out_columns_ > 0) {
        std::string rub_out;
        for (int column = rub_out_columns_; column > 0; --column) rub_out += "\b \b";
        sink_.Write(rub_out);
    }
    rub_out_columns_ = 0;
    rub_out_blocked_ = false;
}

void TBalloonPrinter::PrintLine(std::string_view utf8) {
    Prompt(utf8);
    sink_.Write("\n");
    line_open_ = false;
}

void TBalloonPrinter::Prompt(std::string_view utf8) {
    Flush();
    StartLine();
    sink_.Write(utf8);
    line_open_ = !utf8.empty();
    can_erase_ = false;
}

void TBalloonPrinter::InputTaken(bool echoed) {
    Flush();  // what stood when the user answered
    if (!echoed) StartLine();
    line_open_ = false;
    can_erase_ = false;
}

void TBalloonPrinter::EndLine() {
    Flush();
    StartLine();
}

void TBalloonPrinter::StartLine() {
    if (line_open_) sink_.Write("\n");
    line_open_ = false;
}

}  // namespace kiova
