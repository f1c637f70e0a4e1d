// Any bytes through the text layer: splitting, conversions, normalisation and the cipher must
// neither crash nor read out of bounds, and the cipher must round-trip what it can.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "CodePage.h"
#include "Crypt.h"
#include "TextUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    kiova::SplitFieldList(text);
    std::vector<std::string> lines = kiova::SplitLines(text);
    kiova::NormalizeText(kiova::AnsiToUtf16(text));
    kiova::Utf8ToAnsi(text);
    kiova::NthField(text, ",", 2);
    std::vector<std::string> enciphered = kiova::EncipherLines(lines, text.substr(0, 8));
    kiova::TCrypt decode(kiova::TCryptMode::Decode);
    decode.SetKey(kiova::ReadEmbeddedKey(enciphered));
    decode.TransformList(enciphered);
    if (enciphered.size() != lines.size()) std::abort();
    return 0;
}
