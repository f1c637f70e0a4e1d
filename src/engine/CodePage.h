// Code pages and conversions between them, UTF-16 and UTF-8.
//
// "ANSI" text is a byte string in a character's code page: 932 (Shift_JIS as Windows writes it),
// 1252 (Western) or 65001 (UTF-8). The program's default, for characters that declare none, is
// 932 unless KIOVA_CODEPAGE=1252 selects Western. Conversions never throw: a character the code
// page cannot hold becomes '?', an invalid byte sequence decodes to U+FFFD.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kiova {

inline constexpr int kUtf8CodePage = 65001;

// The program's default code page, 932 or 1252. Throws std::runtime_error once, at first use,
// for any other KIOVA_CODEPAGE value.
int CodePage();

// The code page a `charset` value names ("UTF-8", "UTF8", "Shift_JIS", "SJIS", "CP932", without
// regard to case); nothing for any other value.
std::optional<int> CodePageOfCharset(std::string_view charset);
// "UTF-8", "Shift_JIS" or "Windows-1252".
std::string_view CodePageName(int code_page);

// True when `byte` starts a double-byte character in the code page (never in UTF-8, whose
// multi-byte sequences hold no ASCII byte, so byte scans for ASCII stay safe).
bool IsLeadByte(unsigned char byte, int code_page = CodePage());

std::u16string AnsiToUtf16(std::string_view ansi, int code_page = CodePage());
std::string Utf16ToAnsi(std::u16string_view text, int code_page = CodePage());
// The text in the code page, or nothing when a character of it would not come back unchanged
// (where a path or a name must not turn into question marks).
std::optional<std::string> Utf16ToAnsiExact(std::u16string_view text, int code_page = CodePage());
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);
std::string AnsiToUtf8(std::string_view ansi, int code_page = CodePage());
std::string Utf8ToAnsi(std::string_view utf8, int code_page = CodePage());
// Nothing when a character of `utf8` does not fit the code page.
std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8, int code_page = CodePage());

// The text as it comes back from the code page ('?' for what it cannot hold).
std::u16string ThroughCodePage(std::u16string_view text, int code_page);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);
// The byte offset of the first sequence that is not valid in the code page; nothing when
// every byte is.
std::optional<size_t> FirstInvalidByte(std::string_view ansi, int code_page);
// The bytes of the character that starts `ansi` (not empty): 2 for a double-byte character, the
// length of a well-formed UTF-8 sequence, 1 for a single byte or one that starts no valid
// character.
size_t CharacterLength(std::string_view ansi, int code_page);

// Case mapping of ANSI text, restricted to ASCII letters so that the second byte of a
// double-byte character is never touched.
std::string AnsiLowerCase(std::string_view ansi, int code_page = CodePage());
std::string AnsiUpperCase(std::string_view ansi, int code_page = CodePage());

}  // namespace kiova
