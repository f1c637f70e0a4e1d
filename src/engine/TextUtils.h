// Small text utilities shared by the character engine, the tag language and the front end.
// "text" is ANSI (the program's default code page unless a `code_page` is given) unless the type
// says UTF-16.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "CodePage.h"

namespace kiova {

// Maps full-width ASCII, lower-case letters, the ideographic space and a few typographic
// marks to upper-case half-width ASCII; every other character is unchanged.
std::u16string NormalizeText(std::u16string_view text);
// NormalizeText of one character.
char16_t NormalizeChar(char16_t c);

// True for text that normalises to "TRUE" or is a decimal integer other than 0.
bool TextToBool(std::string_view text);
// "True" or "False".
std::string BoolToText(bool value);

// Drops every brace and everything nested inside braces ("a{b{c}d}e" gives "ae").
std::u16string StripBraces(std::u16string_view text);

// Fields that a one-character separator divides `text` into: 0 for empty text.
int CountFields(std::string_view text, std::string_view separator);
// Returns the text before the first separator and removes it and the separator from `text`.
std::string CutField(std::string& text, std::string_view separator);
// Field n counting from 0; empty when n is negative or past the last field.
std::string NthField(std::string_view text, std::string_view separator, int n);

std::string RemoveLineBreaks(std::string_view text);
// Without leading and trailing spaces and tabs.
std::string_view TrimSpaces(std::string_view text);
// "%" -> "%25", "&" -> "%26", in one pass.
std::string EscapeUrlChars(std::string_view text);
// "#" stands for one digit ("[0-9]"); a backslash before "#" keeps a literal "#".
std::string DigitPattern(std::string text);

// Splits a data line or a file list into fields: blanks and commas separate, double quotes
// group ("" inside quotes is one quote); a double-byte character is never split.
std::vector<std::string> SplitFieldList(std::string_view text, int code_page = CodePage());

// Splits file contents into lines: CR LF, lone CR and lone LF end a line; a NUL ends the text;
// a last line without an end counts, an empty remainder after the last end does not.
std::vector<std::string> SplitLines(std::string_view contents);

// Joins lines, each followed by CR LF (the last one too).
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace kiova
