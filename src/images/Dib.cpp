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

#include "PictureLimits.h"
#include "kiova/spi.h"

namespace kiova {
namespace {

static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(std::endian::native == std::endian::little, "bitmap fields are little-endian");

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

struct Layout;
// Converts one row of source pixels into `width` pixels of the image.
using RowConverter = void (*)(const Layout& layout, const unsigned char* source, QRgb* target);

struct Layout {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    std::int64_t stride = 0;
    std::vector<QRgb> palette;  // 2^bitCount entries for 8 bits or fewer
    std::array<Channel, 3> channels{Channel(0), Channel(0), Channel(0)};  // red, green, blue
    RowConverter convert = nullptr;
};

template <int BitCount>
void PalettedRow(const Layout& layout, const unsigned char* source, QRgb* target) {
    constexpr int kPerByte = 8 / BitCount;
    constexpr unsigned kIndexMask = (1u << BitCount) - 1;
    for (int x = 0; x < layout.width; ++x) {
        const int shift = 8 - BitCount * (x % kPerByte + 1);
        target[x] = layout.palette[(source[x / kPerByte] >> shift) & kIndexMask];
    }
}

void Rgb24Row(const Layout& layout, const unsigned char* source, QRgb* target) {
    for (int x = 0; x < layout.width; ++x, source += 3) {
        target[x] = qRgb(source[2], source[1], source[0]);
    }
}

// Blue, green, red, unused: the byte order of Format_RGB32 once the top byte is opaque.
void Rgb32Row(const Layout& layout, const unsigned char* source, QRgb* target) {
    for (int x = 0; x < layout.width; ++x, source += 4) {
        std::uint32_t pixel;
        std::memcpy(&pixel, source, sizeof pixel);
        target[x] = pixel | 0xFF000000u;
    }
}

template <typename Pixel>
void MaskedRow(const Layout& layout, const unsigned char* source, QRgb* target) {
    const auto& [red, green, blue] = layout.channels;
    for (int x = 0; x < layout.width; ++x, source += sizeof(Pixel)) {
        Pixel pixel;
        std::memcpy(&pixel, source, sizeof pixel);
        target[x] = qRgb(red.Of(pixel), green.Of(pixel), blue.Of(pixel));
    }
}

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

using Masks = std::array<std::uint32_t, 3>;  // red, green, blue
constexpr Masks kRgb16Masks = {0x7C00, 0x03E0, 0x001F};
constexpr Masks kRgb32Masks = {0xFF0000, 0xFF00, 0xFF};

std::optional<Masks> ReadMasks(const BITMAPINFOHEADER& header, std::span<const std::byte> info) {
    if (header.biCompression == BI_RGB) {
        return header.biBitCount == 16 ? kRgb16Masks : kRgb32Masks;
    }
    if (kMasksOffset + sizeof(Masks) > info.size()) return std::nullopt;
    return Masks{ReadUint32(info, kMasksOffset), ReadUint32(info, kMasksOffset + 4),
                 ReadUint32(info, kMasksOffset + 8)};
}

// Picks the row converter and reads what it needs: the colour table or the channel masks.
bool ReadColors(const BITMAPINFOHEADER& header, std::span<const std::byte> info, Layout& layout) {
    const bool maskable = header.biBitCount == 16 || header.biBitCount == 32;
    if (header.biCompression != BI_RGB && !(maskable && header.biCompression == BI_BITFIELDS)) {
        return false;
    }
    switch (header.biBitCount) {
        case 1:
            layout.convert = PalettedRow<1>;
            return ReadPalette(header, info, layout);
        case 4:
            layout.convert = PalettedRow<4>;
            return ReadPalette(header, info, layout);
        case 8:
            layout.convert = PalettedRow<8>;
            return ReadPalette(header, info, layout);
        case 24:
            layout.convert = Rgb24Row;
            return true;
        case 16:
        case 32: {
            const std::optional<Masks> masks = ReadMasks(header, info);
            if (!masks) return false;
            layout.channels = {Channel((*masks)[0]), Channel((*masks)[1]), Channel((*masks)[2])};
            if (header.biBitCount == 16) {
                layout.convert = MaskedRow<std::uint16_t>;
            } else {
                layout.convert = *masks == kRgb32Masks ? Rgb32Row : MaskedRow<std::uint32_t>;
            }
            return true;
        }
        default:
            return false;
    }
}

std::optional<Layout> ReadLayout(std::span<const std::byte> info, std::size_t bitsSize) {
    BITMAPINFOHEADER header;
    if (info.size() < sizeof header) return std::nullopt;
    std::memcpy(&header, info.data(), sizeof header);
    if (header.biSize < sizeof header || header.biSize > info.size()) return std::nullopt;
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN) {
        return std::nullopt;
    }

    Layout layout;
    layout.width = header.biWidth;
    layout.height = header.biHeight > 0 ? header.biHeight : -header.biHeight;
    layout.bottomUp = header.biHeight > 0;
    if (!PictureSizeAllowed(layout.width, layout.height)) return std::nullopt;
    if (!ReadColors(header, info, layout)) return std::nullopt;
    layout.stride = (std::int64_t{layout.width} * header.biBitCount + 31) / 32 * 4;
    if (layout.stride * layout.height > static_cast<std::int64_t>(bitsSize)) return std::nullopt;
    return layout;
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
        layout->convert(*layout, sourceRow, reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

}  // namespace kiova
