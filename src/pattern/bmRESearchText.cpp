// Search text: bytes and a character code in; the bytes kept with the hashed set of the
// characters read from the first byte on, at the character boundaries a search steps over.
// What always holds: every character a search from the first byte can read is in the set, and
// a text the reader refuses gets no set rather than a wrong one.
#include "bmRESearchText.h"

#include <memory>
#include <stdexcept>

#include "bmWchReader.h"

namespace kiova {

TbmRESearchText::TbmRESearchText(std::string bytes)
    : TbmRESearchText(std::move(bytes), bmccDefaultCharCode()) {}

TbmRESearchText::TbmRESearchText(std::string bytes, TbmCharCode code)
    : bytes_(std::move(bytes)), charCode_(code) {
    const std::unique_ptr<TbmWchReader> reader = bmccCreateReader(code);
    if (!reader) return;
    try {
        reader->SetTextBuff(bytes_);
    } catch (const std::logic_error&) {  // odd UTF-16 length, or too long to index
        return;
    }
    TbmRECharHashSet& chars = chars_.emplace();
    for (std::int32_t c = reader->ReadChar(); c >= 0; c = reader->ReadChar()) chars.Add(c);
}

}  // namespace kiova
