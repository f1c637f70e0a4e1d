// The program's code page and conversions between it, UTF-16 and UTF-8.
//
// "ANSI" text is a byte string in the program's code page: 932 (Shift_JIS as Windows writes it)
// unless KIOVA_CODEPAGE=1252 selects Western. Conversions never throw: a character the code page
// cannot hold becomes '?', an invalid byte sequence decodes to U+FFFD.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kiova {

// 932 or 1252. Throws std::runtime_error once, at first use, for any other KIOVA_CODEPAGE value.
int CodePage();

// True when `byte` starts a double-byte character in the program's code page.
bool IsLeadByte(unsigned char byte);

std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view text);
// The text in the code page, or nothing when a character of it would not come back unchanged
// (where a path or a name must not turn into question marks).
std::optional<std::string> Utf16ToAnsiExact(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

// Case mapping of ANSI text, restricted to ASCII letters so that the second byte of a
// double-byte character is never touched.
std::string AnsiLowerCase(std::string_view ansi);
std::string AnsiUpperCase(std::string_view ansi);

}  // namespace kiova
