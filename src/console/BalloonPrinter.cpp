#include "BalloonPrinter.h"

#include <algorithm>

#include "CodePage.h"
#include "TerminalOutput.h"

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

size_t CommonPrefix(std::u16string_view a, std::u16string_view b) {
    return static_cast<size_t>(
        std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin()).first -
        a.begin());
}
}  // namespace

std::string TerminalText(std::u16string_view text) {
    std::u16string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        lines += text[i] == u'\r' ? u'\n' : text[i];
    }
    return Utf16ToUtf8(lines);
}

int DisplayWidth(std::u16string_view text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t letter = text[i];
        if (letter >= 0xD800 && letter <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            letter = 0x10000 + ((letter - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        width += IsCombining(letter) ? 0 : IsWide(letter) ? 2 : 1;
    }
    return width;
}

void TBalloonPrinter::Show(std::u16string_view text) {
    if (text.empty()) {
        Flush();
        printed_.clear();
        pending_.clear();
        can_erase_ = false;
        new_balloon_ = true;
        return;
    }
    pending_ = text;
    if (live_) Flush();
}

void TBalloonPrinter::Clear() {
    Show(u"");
    blank_line_owed_ = true;
}

void TBalloonPrinter::Flush() {
    size_t kept = CommonPrefix(printed_, pending_);
    if (kept < printed_.size()) {
        Erase(std::u16string_view(printed_).substr(kept));
        printed_.resize(kept);
    }
    if (kept == pending_.size()) return;
    if (new_balloon_) {
        StartLine();
        if (blank_line_owed_) sink_.Write("\n");
        new_balloon_ = blank_line_owed_ = false;
    }
    std::string added = TerminalText(std::u16string_view(pending_).substr(kept));
    sink_.Write(added);
    line_open_ = !added.empty() && added.back() != '\n';
    can_erase_ = live_;
    printed_ = pending_;
}

// Letters can be rubbed out only on a terminal and only on the line the cursor is on; what
// cannot be rubbed out stays, and the balloon goes on after it.
void TBalloonPrinter::Erase(std::u16string_view erased) {
    if (!can_erase_ || erased.find_first_of(u"\r\n") != std::u16string_view::npos) return;
    std::string rub_out;
    for (int column = DisplayWidth(erased); column > 0; --column) rub_out += "\b \b";
    sink_.Write(rub_out);
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
