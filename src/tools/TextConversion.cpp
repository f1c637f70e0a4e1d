#include "TextConversion.h"

#include <algorithm>
#include <cstdio>

#include "CharacterFile.h"
#include "CodePage.h"
#include "Crypt.h"

namespace kiova::tool {
namespace {

constexpr char16_t kReplacementCharacter = u'\uFFFD';
// The key of an enciphered file follows the header word "encrypted".
constexpr size_t kKeyColumn = 10;

// A line of a file and the line end that follows it ("" for a last line without one).
struct TLineAndEnd {
    std::string_view text;
    std::string_view end;
};

// CR LF, a lone CR and a lone LF end a line, as the program reads lines.
std::vector<TLineAndEnd> SplitKeepingEnds(std::string_view text) {
    std::vector<TLineAndEnd> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t stop = std::min(text.find_first_of("\r\n", start), text.size());
        size_t after = stop;
        if (stop < text.size()) after += text.substr(stop, 2) == "\r\n" ? 2 : 1;
        lines.push_back({text.substr(start, stop - start), text.substr(stop, after - stop)});
        start = after;
    }
    return lines;
}

// The text before the first NUL byte, which ends what the program reads.
std::string_view ReadText(std::string_view contents) {
    return contents.substr(0, contents.find('\0'));
}

std::string HexBytes(std::string_view bytes) {
    std::string hex;
    for (unsigned char byte : bytes) {
        char one[8];
        std::snprintf(one, sizeof one, "%s0x%02X", hex.empty() ? "" : " ", byte);
        hex += one;
    }
    return hex;
}

// "U+1F431" for the one character of `text`, and the character itself when it is printable.
std::string Described(std::u16string_view text) {
    char32_t code = text[0];
    if (text.size() == 2 && code >= 0xD800 && code < 0xDC00)  // a surrogate pair
        code = 0x10000 + ((code - 0xD800) << 10) + (text[1] - 0xDC00);
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(code));
    if (code < 0xA0) return number;  // a control character is not sent to the terminal
    return "\"" + Utf16ToUtf8(text) + "\" (" + number + ")";
}

bool DecodesWhole(std::string_view ansi, std::u16string_view text, int code_page) {
    // Only UTF-8 holds U+FFFD itself; elsewhere it stands for bytes the code page does not map.
    return !FirstInvalidByte(ansi, code_page) &&
           (code_page == kUtf8CodePage || text.find(kReplacementCharacter) == text.npos);
}

}  // namespace

std::string TTextConverter::ConvertCharacter(std::string_view character, size_t line_number,
                                             size_t column,
                                             std::vector<TConversionProblem>& problems) const {
    const std::u16string text = AnsiToUtf16(character, from_);
    if (!DecodesWhole(character, text, from_)) {
        problems.push_back(
            {line_number, column,
             "invalid " + std::string(CodePageName(from_)) + ": " + HexBytes(character)});
    } else if (std::optional<std::string> converted = Utf16ToAnsiExact(text, to_)) {
        return *converted;
    } else {
        problems.push_back(
            {line_number, column,
             Described(text) + " cannot be written in " + std::string(CodePageName(to_))});
    }
    return std::string(character);
}

std::string TTextConverter::ConvertLine(std::string_view line, size_t line_number,
                                        size_t first_column,
                                        std::vector<TConversionProblem>& problems) const {
    const std::u16string text = AnsiToUtf16(line, from_);
    if (DecodesWhole(line, text, from_))
        if (std::optional<std::string> converted = Utf16ToAnsiExact(text, to_)) return *converted;
    // Character by character, to tell where each problem is.
    std::string result;
    for (size_t i = 0; i < line.size();) {
        const size_t length = CharacterLength(line.substr(i), from_);
        result += ConvertCharacter(line.substr(i, length), line_number, first_column + i, problems);
        i += length;
    }
    return result;
}

std::string TTextConverter::ConvertFile(std::string_view contents,
                                        std::vector<TConversionProblem>& problems) const {
    const std::string_view text = ReadText(contents);
    const std::vector<TLineAndEnd> lines = SplitKeepingEnds(text);
    std::string result;
    if (!lines.empty() && IsEncrypted({std::string(lines[0].text)})) {
        const std::string key = ReadEmbeddedKey({std::string(lines[0].text)});
        TCrypt decode(TCryptMode::Decode);
        decode.SetKey(key);
        TCrypt encode(TCryptMode::Encode);
        encode.SetKey(ConvertLine(key, 1, kKeyColumn, problems));
        result = encode.HeaderLine();
        result += lines[0].end;
        for (size_t i = 1; i < lines.size(); ++i) {
            const std::string plain = decode.TransformString(lines[i].text);
            result += encode.TransformString(ConvertLine(plain, i + 1, 1, problems));
            result += lines[i].end;
        }
    } else {
        for (size_t i = 0; i < lines.size(); ++i) {
            result += ConvertLine(lines[i].text, i + 1, 1, problems);
            result += lines[i].end;
        }
    }
    return result + std::string(contents.substr(text.size()));
}

std::string TTextConverter::ConvertPackage(std::string_view contents,
                                           std::vector<TConversionProblem>& problems) const {
    const bool has_byte_order_mark = contents.starts_with(kByteOrderMark);
    if (has_byte_order_mark) contents.remove_prefix(kByteOrderMark.size());
    const std::string_view text = ReadText(contents);
    const std::vector<TLineAndEnd> lines = SplitKeepingEnds(text);
    const std::string_view charset = CodePageName(to_);
    std::string body;
    bool charset_set = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        // Lines pair up key, value; the first "charset" key's value names the target.
        if (!charset_set && i % 2 == 1 && AnsiLowerCase(lines[i - 1].text, from_) == "charset") {
            body += charset;
            charset_set = true;
        } else {
            body += ConvertLine(lines[i].text, i + 1, 1, problems);
        }
        body += lines[i].end;
    }
    std::string result(to_ == kUtf8CodePage && has_byte_order_mark ? kByteOrderMark : "");
    if (!charset_set) {
        const std::string_view end =
            lines.empty() || lines[0].end.empty() ? std::string_view("\r\n") : lines[0].end;
        result += "charset";
        result += end;
        result += charset;
        result += end;
    }
    return result + body + std::string(contents.substr(text.size()));
}

}  // namespace kiova::tool
