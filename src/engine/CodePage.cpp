// Code-page conversions through iconv. Descriptors are opened once per thread and direction and
// reused; every conversion walks the input once, replacing what cannot be converted instead of
// failing, so no byte or character can make a conversion throw.
#include "CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <utility>

namespace kiova {
namespace {

int ReadCodePageSetting() {
    const char* value = std::getenv("KIOVA_CODEPAGE");
    if (value == nullptr || *value == '\0' || std::string_view(value) == "932") return 932;
    if (std::string_view(value) == "1252") return 1252;
    throw std::runtime_error(std::string("KIOVA_CODEPAGE must be 932 or 1252, not \"") + value +
                             "\"");
}

const char* IconvName(int code_page) {
    switch (code_page) {
        case kUtf8CodePage:
            return "UTF-8";
        case 1252:
            return "CP1252";
        default:
            return "CP932";
    }
}

std::string AsciiUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

// The length of the well-formed UTF-8 sequence at the start of `bytes`, 0 when there is none.
size_t Utf8SequenceLength(std::string_view bytes) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char first = byte(0);
    if (first < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        if (first == 0xE0) low = 0xA0;   // no overlong forms
        if (first == 0xED) high = 0x9F;  // no surrogates
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        if (first == 0xF0) low = 0x90;
        if (first == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

bool IsShiftJisTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// A byte that is a whole character by itself: ASCII in UTF-8, any but a lead byte otherwise.
bool IsSingleByteCharacter(unsigned char byte, int code_page) {
    return code_page == kUtf8CodePage ? byte < 0x80 : !IsLeadByte(byte, code_page);
}

// One open descriptor per (to, from) pair and thread; iconv_t must not be shared across threads.
iconv_t Descriptor(const char* to, const char* from) {
    struct Cache {
        std::map<std::pair<std::string, std::string>, iconv_t> open;
        ~Cache() {
            for (auto& entry : open) iconv_close(entry.second);
        }
    };
    thread_local Cache cache;
    auto key = std::make_pair(std::string(to), std::string(from));
    auto it = cache.open.find(key);
    if (it != cache.open.end()) {
        iconv(it->second, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
        return it->second;
    }
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);
    cache.open.emplace(key, cd);
    return cd;
}

// Converts `input` (units of type In) into units of type Out. On an unconvertible or invalid
// sequence, `skip` tells how many input units to drop and `replacement` is emitted instead.
template <typename Out, typename In, typename SkipFn>
std::basic_string<Out> Convert(const char* to, const char* from, std::basic_string_view<In> input,
                               Out replacement, SkipFn skip) {
    std::basic_string<Out> result;
    if (input.empty()) return result;
    iconv_t cd = Descriptor(to, from);
    result.resize(input.size() * 4 / sizeof(Out) + 4);
    auto* in = const_cast<char*>(reinterpret_cast<const char*>(input.data()));
    size_t in_left = input.size() * sizeof(In);
    auto* out = reinterpret_cast<char*>(result.data());
    size_t out_left = result.size() * sizeof(Out);
    while (in_left > 0) {
        if (iconv(cd, &in, &in_left, &out, &out_left) != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            size_t used = result.size() * sizeof(Out) - out_left;
            result.resize(result.size() * 2);
            out = reinterpret_cast<char*>(result.data()) + used;
            out_left = result.size() * sizeof(Out) - used;
            continue;
        }
        // EILSEQ or EINVAL (truncated sequence at the end): replace and step over.
        if (out_left < sizeof(Out)) {
            size_t used = result.size() * sizeof(Out) - out_left;
            result.resize(result.size() * 2);
            out = reinterpret_cast<char*>(result.data()) + used;
            out_left = result.size() * sizeof(Out) - used;
        }
        *reinterpret_cast<Out*>(out) = replacement;
        out += sizeof(Out);
        out_left -= sizeof(Out);
        size_t units_left = in_left / sizeof(In);
        size_t drop = skip(reinterpret_cast<const In*>(in), units_left) * sizeof(In);
        in += drop;
        in_left -= drop;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    result.resize(result.size() - out_left / sizeof(Out));
    return result;
}

size_t SkipOneByte(const char*, size_t) {
    return 1;
}

// A UTF-16 character that cannot be converted is one unit, or two for a surrogate pair.
size_t SkipOneCharacter(const char16_t* at, size_t left) {
    bool pair = left >= 2 && at[0] >= 0xD800 && at[0] < 0xDC00 && at[1] >= 0xDC00 && at[1] < 0xE000;
    return pair ? 2 : 1;
}

bool IsAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

bool IsAscii(std::u16string_view text) {
    for (char16_t c : text)
        if (c >= 0x80) return false;
    return true;
}

template <typename Out, typename In>
std::basic_string<Out> Widen(std::basic_string_view<In> text) {
    return std::basic_string<Out>(text.begin(), text.end());
}

constexpr char16_t kReplacementCharacter = 0xFFFD;

}  // namespace

int CodePage() {
    static const int code_page = ReadCodePageSetting();
    return code_page;
}

std::optional<int> CodePageOfCharset(std::string_view charset) {
    const std::string name = AsciiUpper(charset);
    if (name == "UTF-8" || name == "UTF8") return kUtf8CodePage;
    if (name == "SHIFT_JIS" || name == "SJIS" || name == "CP932") return 932;
    return std::nullopt;
}

std::string_view CodePageName(int code_page) {
    switch (code_page) {
        case kUtf8CodePage:
            return "UTF-8";
        case 1252:
            return "Windows-1252";
        default:
            return "Shift_JIS";
    }
}

bool IsLeadByte(unsigned char byte, int code_page) {
    if (code_page != 932) return false;
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::u16string AnsiToUtf16(std::string_view ansi, int code_page) {
    if (IsAscii(ansi)) return Widen<char16_t>(ansi);
    return Convert<char16_t, char>("UTF-16LE", IconvName(code_page), ansi, kReplacementCharacter,
                                   SkipOneByte);
}

std::string Utf16ToAnsi(std::u16string_view text, int code_page) {
    if (code_page == kUtf8CodePage) return Utf16ToUtf8(text);
    if (IsAscii(text)) return Widen<char>(text);
    return Convert<char, char16_t>(IconvName(code_page), "UTF-16LE", text, '?', SkipOneCharacter);
}

std::optional<std::string> Utf16ToAnsiExact(std::u16string_view text, int code_page) {
    std::string ansi = Utf16ToAnsi(text, code_page);
    if (AnsiToUtf16(ansi, code_page) != text) return std::nullopt;
    return ansi;
}

std::u16string ThroughCodePage(std::u16string_view text, int code_page) {
    if (code_page == kUtf8CodePage) return std::u16string(text);
    return AnsiToUtf16(Utf16ToAnsi(text, code_page), code_page);
}

bool IsValidUtf8(std::string_view bytes) {
    return !FirstInvalidByte(bytes, kUtf8CodePage);
}

std::optional<size_t> FirstInvalidByte(std::string_view ansi, int code_page) {
    for (size_t i = 0; i < ansi.size();) {
        const size_t length = CharacterLength(ansi.substr(i), code_page);
        if (length == 1 && !IsSingleByteCharacter(static_cast<unsigned char>(ansi[i]), code_page))
            return i;
        i += length;
    }
    return std::nullopt;
}

size_t CharacterLength(std::string_view ansi, int code_page) {
    if (code_page == kUtf8CodePage) return std::max<size_t>(Utf8SequenceLength(ansi), 1);
    if (IsLeadByte(static_cast<unsigned char>(ansi[0]), code_page) && ansi.size() >= 2 &&
        IsShiftJisTrailByte(static_cast<unsigned char>(ansi[1])))
        return 2;
    return 1;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    if (IsAscii(utf8)) return Widen<char16_t>(utf8);
    return Convert<char16_t, char>("UTF-16LE", "UTF-8", utf8, kReplacementCharacter, SkipOneByte);
}

std::string Utf16ToUtf8(std::u16string_view text) {
    // Encoded by hand: UTF-8 holds every code point, so only a lone surrogate needs replacing.
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = kReplacementCharacter;
        }
        if (c < 0x80) {
            result += static_cast<char>(c);
        } else if (c < 0x800) {
            result += static_cast<char>(0xC0 | (c >> 6));
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            result += static_cast<char>(0xE0 | (c >> 12));
            result += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | (c >> 18));
            result += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            result += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return result;
}

std::string AnsiToUtf8(std::string_view ansi, int code_page) {
    if (code_page == kUtf8CodePage && IsValidUtf8(ansi)) return std::string(ansi);
    return Utf16ToUtf8(AnsiToUtf16(ansi, code_page));
}

std::string Utf8ToAnsi(std::string_view utf8, int code_page) {
    if (code_page == kUtf8CodePage && IsValidUtf8(utf8)) return std::string(utf8);
    return Utf16ToAnsi(Utf8ToUtf16(utf8), code_page);
}

std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8, int code_page) {
    return Utf16ToAnsiExact(Utf8ToUtf16(utf8), code_page);
}

namespace {
template <char From, char To>
std::string MapAsciiLetters(std::string_view ansi, int code_page) {
    std::string result(ansi);
    for (size_t i = 0; i < result.size(); ++i) {
        auto c = static_cast<unsigned char>(result[i]);
        if (IsLeadByte(c, code_page)) {
            ++i;  // the trail byte may look like a letter; it is not one
        } else if (c >= From && c < From + 26) {
            result[i] = static_cast<char>(c - From + To);
        }
    }
    return result;
}
}  // namespace

std::string AnsiLowerCase(std::string_view ansi, int code_page) {
    return MapAsciiLetters<'A', 'a'>(ansi, code_page);
}
std::string AnsiUpperCase(std::string_view ansi, int code_page) {
    return MapAsciiLetters<'a', 'A'>(ansi, code_page);
}

}  // namespace kiova
