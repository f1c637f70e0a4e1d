// Character codes the pattern engine reads, and the helpers that map code pages to them.
//
// A character value is a 32-bit signed integer: 0..0x10FFFF for real characters (a single byte,
// a lead byte times 256 plus its trail byte, one UTF-16 unit, or a UTF-8 code point), -1 for
// the end of the text.
#pragma once

#include <cstdint>
#include <string_view>

namespace kiova {

enum class TbmCharCode : std::uint8_t {
    ShiftJIS = 0,
    JapaneseEUC = 1,
    Western = 2,  // Windows-1252, one byte per character
    UniCode = 3,  // UTF-16 little-endian
    JIS = 4,      // a name only: there is no reader for it
    UTF8 = 5,     // one code point per character
};

// "Shift JIS", "Japanese EUC", "Western (Windows-1252)", "UniCode", "JIS", "UTF-8".
std::string_view bmccCharCodeName(TbmCharCode code);

// 932 -> Shift JIS, 1252 -> Western, 1200 -> UniCode, 65001 -> UTF-8; any other number throws
// std::invalid_argument "bmccCodePage2CharCode: unknown code page".
TbmCharCode bmccCodePage2CharCode(int codePage);

using TbmIsLeadByteFunc = bool (*)(unsigned char byte);

// The lead-byte test of Shift JIS, Japanese EUC or Western and UTF-8 (never a lead byte: no
// ASCII byte occurs inside a UTF-8 sequence); any other code
// throws std::invalid_argument "bmccGetIsLeadByteFunc: invalid argument".
TbmIsLeadByteFunc bmccGetIsLeadByteFunc(TbmCharCode code);

// The code new patterns start with: Shift JIS until the program sets the one of its code page
// at start-up (bmccSetDefaultCharCode(bmccCodePage2CharCode(CodePage()))).
TbmCharCode bmccDefaultCharCode();
void bmccSetDefaultCharCode(TbmCharCode code);

}  // namespace kiova
