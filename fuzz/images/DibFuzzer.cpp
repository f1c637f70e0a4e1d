// Device-independent bitmap conversion on arbitrary header and pixel blocks, then the colour key.
// Input: two bytes giving the header block's length, the header block, the pixel rows. Each
// block gets its own allocation, so reading past either one is caught.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "ColorKey.h"
#include "Dib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t infoSize = std::min<std::size_t>(data[0] | data[1] << 8, size - 2);
    const auto* bytes = reinterpret_cast<const std::byte*>(data + 2);
    const std::vector<std::byte> info(bytes, bytes + infoSize);
    const std::vector<std::byte> bits(bytes + infoSize, bytes + (size - 2));
    if (std::optional<QImage> image = kiova::DibToImage(info, bits)) {
        kiova::MakeTransparent(*image, qRgb(0xF0, 0xF0, 0xF0));
    }
    return 0;
}
