// Text utilities. All byte scans over ANSI text step over a double-byte character whole, so a
// trail byte is never taken for a separator, a quote or a line end, and no scan reads past the
// end of its input when a lead byte is the last byte.
#include "TextUtils.h"

#include <algorithm>
#include <utility>

#include "CodePage.h"
#include "Numbers.h"

namespace kiova {
namespace {

// The width of the character starting at `i`: 2 for a complete double-byte character, else 1.
size_t CharWidth(std::string_view text, size_t i, int code_page = CodePage()) {
    return IsLeadByte(static_cast<unsigned char>(text[i]), code_page) && i + 1 < text.size() ? 2
                                                                                             : 1;
}

// Byte position of the first one-character `separator` in `text`, or npos.
size_t FindSeparator(std::string_view text, std::string_view separator) {
    if (separator.empty()) return std::string_view::npos;
    for (size_t i = 0; i < text.size(); i += CharWidth(text, i)) {
        if (text.compare(i, separator.size(), separator) == 0) return i;
    }
    return std::string_view::npos;
}

bool IsBlank(unsigned char c) {
    return c >= 1 && c <= 32;
}

}  // namespace

// The full-width forms U+FF01..U+FF5D stand for ASCII 0x21..0x7D, except the full-width
// quote, apostrophe and backslash, which the table leaves alone (the typographic quotes and the
// yen sign take their places).
char16_t NormalizeChar(char16_t c) {
    if (c < 0x80) return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c;
    if (c >= 0xFF01 && c <= 0xFF5D) {
        if (c == 0xFF02 || c == 0xFF07 || c == 0xFF3C) return c;
        char16_t ascii = c - 0xFEE0;
        return ascii >= u'a' && ascii <= u'z' ? ascii - u'a' + u'A' : ascii;
    }
    switch (c) {
        case 0x3000:
            return u' ';
        case 0x201D:
            return u'"';
        case 0x2019:
            return u'\'';
        case 0xFFE5:
            return u'\\';
        case 0xFFE3:
            return u'~';
        default:
            return c;
    }
}

std::u16string NormalizeText(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result) c = NormalizeChar(c);
    return result;
}

bool TextToBool(std::string_view text) {
    if (NormalizeText(AnsiToUtf16(text)) == u"TRUE") return true;
    std::optional<int32_t> number = TextToInt(text);
    return number && *number != 0;
}

std::string BoolToText(bool value) {
    return value ? "True" : "False";
}

std::u16string StripBraces(std::u16string_view text) {
    std::u16string result;
    int depth = 0;
    for (char16_t c : text) {
        if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            --depth;
        } else if (depth < 1) {
            result += c;
        }
    }
    return result;
}

int CountFields(std::string_view text, std::string_view separator) {
    if (text.empty()) return 0;
    if (separator.size() != 1) return 1;
    int count = 1;
    for (size_t i = 0; i < text.size(); i += CharWidth(text, i))
        if (text[i] == separator[0]) ++count;
    return count;
}

std::string CutField(std::string& text, std::string_view separator) {
    size_t at = FindSeparator(text, separator);
    if (at == std::string::npos) return std::exchange(text, std::string());
    std::string field = text.substr(0, at);
    text.erase(0, at + separator.size());
    return field;
}

std::string NthField(std::string_view text, std::string_view separator, int n) {
    if (n < 0) return {};
    std::string rest(text);
    std::string field;
    for (int i = 0; i <= n; ++i) field = CutField(rest, separator);
    return field;
}

std::string RemoveLineBreaks(std::string_view text) {
    std::string result;
    for (char c : text)
        if (c != '\r' && c != '\n') result += c;
    return result;
}

std::string_view TrimSpaces(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string EscapeUrlChars(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c == '%')
            result += "%25";
        else if (c == '&')
            result += "%26";
        else
            result += c;
    }
    return result;
}

std::string DigitPattern(std::string text) {
    // Most keys name no digit: they are taken as they stand, without the two rewriting passes.
    if (text.find('#') == std::string::npos && text.find("\\[0-9]") == std::string::npos)
        return text;
    auto replace_all = [](std::string s, std::string_view from, std::string_view to) {
        std::string out;
        size_t start = 0;
        for (size_t at; (at = s.find(from, start)) != std::string::npos; start = at + from.size())
            out.append(s, start, at - start).append(to);
        return out.append(s, start);
    };
    return replace_all(replace_all(std::move(text), "#", "[0-9]"), "\\[0-9]", "#");
}

std::vector<std::string> SplitFieldList(std::string_view text, int code_page) {
    // A NUL ends the text, as it would in the stored line.
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> fields;
    fields.reserve(4);  // a data line has two or three
    size_t i = 0;
    // Steps over one character, double-byte ones whole; never past the end.
    auto step = [&] { i = std::min(text.size(), i + CharWidth(text, i, code_page)); };
    auto skip_blanks = [&] {
        while (i < text.size() && IsBlank(static_cast<unsigned char>(text[i]))) ++i;
    };
    skip_blanks();
    while (i < text.size()) {
        std::string& field = fields.emplace_back();
        // Fields are copied in runs, not a character at a time.
        size_t run = i;
        if (text[i] == '"') {
            run = ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    field.append(text, run, i - run);
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        run = i += 2;
                        continue;
                    }
                    run = ++i;
                    break;
                }
                step();
            }
            if (run < i) field.append(text, run, i - run);  // no closing quote
        } else {
            while (i < text.size() && !IsBlank(static_cast<unsigned char>(text[i])) &&
                   text[i] != ',')
                step();
            field.assign(text, run, i - run);
        }
        skip_blanks();
        if (i < text.size() && text[i] == ',') {
            ++i;
            skip_blanks();
        }
    }
    return fields;
}

std::vector<std::string> SplitLines(std::string_view contents) {
    contents = contents.substr(0, contents.find('\0'));
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < contents.size(); ++i) {
        if (contents[i] != '\r' && contents[i] != '\n') continue;
        lines.emplace_back(contents.substr(start, i - start));
        if (contents[i] == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < contents.size()) lines.emplace_back(contents.substr(start));
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string result;
    for (const std::string& line : lines) result.append(line).append("\r\n");
    return result;
}

}  // namespace kiova
