// The scan of EvaluateTags.
//
// In:  a text and the expansion of one tag.
// Out: the text with its tags handled.
// Always: pending text saved for an open "{" goes through the program's code page, so what it
// cannot hold comes back as '?'. Each character is scanned once per time it is put back, so a
// scan costs time in proportion to its input and the results it puts back, which are bounded.
#include "TagScanner.h"

#include <cstdint>
#include <utility>

#include "CodePage.h"
#include "Stack.h"

namespace kiova {
namespace {

// The part of the working text not yet scanned, kept reversed so that taking the next character
// and putting a result back in front both cost no more than their own length.
class TUnscannedText {
public:
    explicit TUnscannedText(std::u16string_view text) : reversed_(text.rbegin(), text.rend()) {}
    bool Empty() const { return reversed_.empty(); }
    char16_t Take() {
        char16_t c = reversed_.back();
        reversed_.pop_back();
        return c;
    }
    void PutBack(std::u16string_view text) { reversed_.append(text.rbegin(), text.rend()); }

private:
    std::u16string reversed_;
};

// Pending text and how much of it has already been through the code page: a restored text is
// code-page text, and only what was appended since needs converting when it is saved again.
class TPendingText {
public:
    explicit TPendingText(int code_page) : code_page_(code_page) {}

    void Append(char16_t c) { text_ += c; }
    void Append(std::u16string_view text) { text_ += text; }

    // The text as code-page text, leaving this empty.
    std::u16string Save() {
        if (converted_ < text_.size()) {
            std::u16string tail =
                ThroughCodePage(std::u16string_view(text_).substr(converted_), code_page_);
            text_.replace(converted_, std::u16string::npos, tail);
        }
        converted_ = 0;
        return std::exchange(text_, {});
    }
    void Restore(std::u16string saved) {
        text_ = std::move(saved);
        converted_ = text_.size();
    }
    std::u16string Take() {
        converted_ = 0;
        return std::exchange(text_, {});
    }

private:
    std::u16string text_;
    size_t converted_ = 0;
    int code_page_;
};

}  // namespace

std::u16string ScanTags(std::u16string_view text, const TTagExpansion& expand, int code_page) {
    TUnscannedText unscanned(text);
    int32_t position = 1;  // 1-based, in the working text: what was scanned, then what was not
    TIntStack open_positions;
    TStrStack saved_texts;
    TPendingText pending(code_page);
    int substitutions = 0;
    size_t result_units = 0;

    while (!unscanned.Empty()) {
        const char16_t c = unscanned.Take();
        if (c == u'{') {
            open_positions.Push(position);
            saved_texts.Push(pending.Save());
            ++position;
            continue;
        }
        if (c != u'}') {
            pending.Append(c);
            ++position;
            continue;
        }

        std::u16string tag_text = pending.Take();
        std::u16string result = expand(tag_text);
        const int depth = open_positions.Count();
        if (depth == 0) return {};
        if (!result.empty() || depth >= 3) {
            if (!result.empty()) {
                result_units += result.size();
                if (++substitutions > kMaxSubstitutionsPerScan ||
                    result_units > kMaxResultUnitsPerScan)
                    break;
            }
            // The result takes the place of the tag and is scanned from its first character.
            unscanned.PutBack(result);
            position = open_positions.Pop();
            pending.Restore(saved_texts.Pop());
        } else {
            // The tag stays as written, in the text of the tag around it; the scan goes on after
            // its "}".
            open_positions.Pop();
            ++position;
            pending.Restore(saved_texts.Pop());
            pending.Append(u'{');
            pending.Append(tag_text);
            pending.Append(u'}');
        }
    }
    // Unclosed tags: what stood before the outermost one is the result.
    while (saved_texts.Count() > 0) pending.Restore(saved_texts.Pop());
    return pending.Take();
}

}  // namespace kiova
