#include "TerminalText.h"

#include "CodePage.h"

namespace kiova {

std::string TerminalText(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit == u'\r') {
            if (i + 1 >= text.size() || text[i + 1] != u'\n') shown += u'\n';
        } else if (unit == u'\n' || unit == u'\t') {
            shown += unit;
        } else if (unit < 0x20) {
            shown += {u'^', static_cast<char16_t>(unit + 0x40)};
        } else if (unit == 0x7F) {
            shown += u"^?";
        } else if (unit >= 0x80 && unit <= 0x9F) {
            shown += {u'^', u'[', static_cast<char16_t>(unit - 0x40)};
        } else {
            shown += unit;
        }
    }
    return Utf16ToUtf8(shown);
}

}  // namespace kiova
