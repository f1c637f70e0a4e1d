// JPEG decoding of arbitrary bytes: no crash, no leak, bounded memory and time.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kiova::DecodeJpeg(std::as_bytes(std::span(data, size)));
    return 0;
}
