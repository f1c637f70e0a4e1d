// Device-independent bitmap -> QImage.
//
// In: a header block (BITMAPINFOHEADER, then masks or colour table) and a pixel-row block, each
// with the number of bytes that may be read. Out: a Format_RGB32 image of biWidth x |biHeight|.
// Always: no byte outside either block is read; the header is checked whole before any pixel is
// touched, so a bad bitmap yields nothing rather than part of a picture. Colours are plain RGB;
// unused or alpha bits are dropped; palette indices past the colour table give black.
#include "Dib.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "kiova/spi.h"

namespace kiova {
namespace {

static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(std::endian::native == std::endian::little, "bitmap fields are little-endian");

// Enough for any picture a character shows, small enough that a lying header cannot
// make us allocate gigabytes.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;
constexpr std::size_t kMasksOffset = 40;  // the three BI_BITFIELDS masks, in any header size

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask >> shift_) {}

    std::uint32_t Of(std::uint32_t pixel) const {
        const std::uint32_t value = (pixel & mask_) >> shift_;
        if (max_ == 255 || max_ == 0) return value;
        return static_cast<std::uint32_t>((std::uint64_t{value} * 255 + max_ / 2) / max_);
    }

private:
    std::uint32_t mask_;
    int shift_;
    std::uint32_t max_;
};

struct Layout {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    int bitCount = 0;
    std::int64_t stride = 0;
    std::vector<QRgb> palette;  // 2^bitCount entries for 8 bits or fewer
    std::array<Channel, 3> channels{Channel(0), Channel(0), Channel(0)};  // red, green, blue
};

std::uint32_t ReadUint32(std::span<const std::byte> block, std::size_t offset) {
    std::uint32_t value;
    std::memcpy(&value, block.data() + offset, sizeof value);
    return value;
}

bool ReadPalette(const BITMAPINFOHEADER& header, std::span<const std::byte> info, Layout& layout) {
    const std::uint32_t full = 1u << header.biBitCount;
    const std::uint32_t entries = header.biClrUsed == 0 ? full : std::min(header.biClrUsed, full);
    if (header.biSize + std::uint64_t{entries} * sizeof(RGBQUAD) > info.size()) return false;
    layout.palette.assign(full, qRgb(0, 0, 0));
    for (std::uint32_t i = 0; i < entries; ++i) {
        RGBQUAD quad;
        std::memcpy(&quad, info.data() + header.biSize + i * sizeof quad, sizeof quad);
        layout.palette[i] = qRgb(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
    }
    return true;
}

bool ReadChannels(const BITMAPINFOHEADER& header, std::span<const std::byte> info, Layout& layout) {
    if (header.biCompression == BI_RGB) {
        const bool is16 = header.biBitCount == 16;
        layout.channels = {Channel(is16 ? 0x7C00 : 0xFF0000), Channel(is16 ? 0x03E0 : 0xFF00),
                           Channel(is16 ? 0x001F : 0xFF)};
        return true;
    }
    if (kMasksOffset + 3 * sizeof(std::uint32_t) > info.size()) return false;
    layout.channels = {Channel(ReadUint32(info, kMasksOffset)),
                       Channel(ReadUint32(info, kMasksOffset + 4)),
                       Channel(ReadUint32(info, kMasksOffset + 8))};
    return true;
}

std::optional<Layout> ReadLayout(std::span<const std::byte> info, std::size_t bitsSize) {
    BITMAPINFOHEADER header;
    if (info.size() < sizeof header) return std::nullopt;
    std::memcpy(&header, info.data(), sizeof header);
    if (header.biSize < sizeof header || header.biSize > info.size()) return std::nullopt;

    Layout layout;
    layout.bitCount = header.biBitCount;
    const bool paletted = layout.bitCount == 1 || layout.bitCount == 4 || layout.bitCount == 8;
    const bool masked = layout.bitCount == 16 || layout.bitCount == 32;
    const bool compressionFits =
        header.biCompression == BI_RGB || (masked && header.biCompression == BI_BITFIELDS);
    if (!(paletted || masked || layout.bitCount == 24) || !compressionFits) return std::nullopt;

    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN) {
        return std::nullopt;
    }
    layout.width = header.biWidth;
    layout.height = header.biHeight > 0 ? header.biHeight : -header.biHeight;
    layout.bottomUp = header.biHeight > 0;
    if (std::int64_t{layout.width} * layout.height > kMaxPixels) return std::nullopt;
    layout.stride = (std::int64_t{layout.width} * layout.bitCount + 31) / 32 * 4;
    if (layout.stride * layout.height > static_cast<std::int64_t>(bitsSize)) return std::nullopt;

    if (paletted && !ReadPalette(header, info, layout)) return std::nullopt;
    if (masked && !ReadChannels(header, info, layout)) return std::nullopt;
    return layout;
}

QRgb PixelAt(const Layout& layout, const unsigned char* row, int x) {
    switch (layout.bitCount) {
        case 1:
        case 4:
        case 8: {
            const int bit = x * layout.bitCount;
            const int shift = 8 - layout.bitCount - bit % 8;
            const unsigned index = (row[bit / 8] >> shift) & ((1u << layout.bitCount) - 1);
            return layout.palette[index];
        }
        case 24:
            return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        default: {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, row + x * (layout.bitCount / 8), layout.bitCount / 8);
            const auto& [red, green, blue] = layout.channels;
            return qRgb(red.Of(pixel), green.Of(pixel), blue.Of(pixel));
        }
    }
}

}  // namespace

std::optional<QImage> DibToImage(std::span<const std::byte> info, std::span<const std::byte> bits) {
    const std::optional<Layout> layout = ReadLayout(info, bits.size());
    if (!layout) return std::nullopt;
    QImage image(layout->width, layout->height, QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;

    const auto* source = reinterpret_cast<const unsigned char*>(bits.data());
    for (int row = 0; row < layout->height; ++row) {
        const unsigned char* sourceRow = source + row * layout->stride;
        const int y = layout->bottomUp ? layout->height - 1 - row : row;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout->width; ++x) target[x] = PixelAt(*layout, sourceRow, x);
    }
    return image;
}

}  // namespace kiova
