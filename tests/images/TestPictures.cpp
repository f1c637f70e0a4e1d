#include "TestPictures.h"

#include <jpeglib.h>

#include <QBuffer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace kiova::test {
namespace {

template <typename T>
void Append(Bytes& bytes, const T& value) {
    const auto* first = reinterpret_cast<const std::byte*>(&value);
    bytes.insert(bytes.end(), first, first + sizeof value);
}

std::vector<QRgb> DistinctColors(const Pixels& pixels) {
    std::vector<QRgb> colors;
    for (const auto& row : pixels) {
        for (QRgb color : row) {
            if (std::find(colors.begin(), colors.end(), color) == colors.end()) {
                colors.push_back(color);
            }
        }
    }
    return colors;
}

// One row packed at `bitCount` bits per pixel, padded to 4 bytes with 0xA5.
Bytes PackRow(const std::vector<QRgb>& row, int bitCount, const std::vector<QRgb>& palette) {
    const std::size_t stride = (row.size() * bitCount + 31) / 32 * 4;
    Bytes packed(stride, std::byte{0xA5});
    if (bitCount <= 8)
        std::fill(packed.begin(), packed.begin() + (row.size() * bitCount + 7) / 8, std::byte{0});
    for (std::size_t x = 0; x < row.size(); ++x) {
        const QRgb color = row[x];
        auto* at = reinterpret_cast<unsigned char*>(packed.data());
        if (bitCount <= 8) {
            const auto index = static_cast<unsigned>(
                std::find(palette.begin(), palette.end(), color) - palette.begin());
            const std::size_t bit = x * bitCount;
            at[bit / 8] |= static_cast<unsigned char>(index << (8 - bitCount - bit % 8));
        } else if (bitCount == 16) {
            const unsigned value =
                (qRed(color) >> 3) << 10 | (qGreen(color) >> 3) << 5 | qBlue(color) >> 3;
            at[2 * x] = value & 0xFF;
            at[2 * x + 1] = value >> 8;
        } else {
            const std::size_t size = bitCount / 8;
            at[size * x] = qBlue(color);
            at[size * x + 1] = qGreen(color);
            at[size * x + 2] = qRed(color);
            if (size == 4) at[4 * x + 3] = 0x11;  // unused byte: must not matter
        }
    }
    return packed;
}

}  // namespace

Dib MakeDib(const Pixels& pixels, int bitCount, bool topDown) {
    const int height = static_cast<int>(pixels.size());
    const std::vector<QRgb> palette = bitCount <= 8 ? DistinctColors(pixels) : std::vector<QRgb>{};
    if (palette.size() > (1u << std::min(bitCount, 8))) throw std::invalid_argument("colours");

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = static_cast<int32_t>(pixels.front().size());
    header.biHeight = topDown ? -height : height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<uint16_t>(bitCount);
    header.biCompression = BI_RGB;
    header.biClrUsed = static_cast<uint32_t>(palette.size());
    Dib dib;
    Append(dib.info, header);
    for (QRgb color : palette) {
        Append(dib.info,
               RGBQUAD{static_cast<uint8_t>(qBlue(color)), static_cast<uint8_t>(qGreen(color)),
                       static_cast<uint8_t>(qRed(color)), 0});
    }
    for (int row = 0; row < height; ++row) {
        const Bytes packed = PackRow(pixels[topDown ? row : height - 1 - row], bitCount, palette);
        dib.bits.insert(dib.bits.end(), packed.begin(), packed.end());
    }
    return dib;
}

BITMAPINFOHEADER& HeaderOf(Dib& dib) {
    return *reinterpret_cast<BITMAPINFOHEADER*>(dib.info.data());
}

Bytes MakeBmpFile(const Dib& dib) {
    Bytes file;
    const auto offset = static_cast<uint32_t>(14 + dib.info.size());
    file.push_back(std::byte{'B'});
    file.push_back(std::byte{'M'});
    Append(file, static_cast<uint32_t>(offset + dib.bits.size()));
    Append(file, uint32_t{0});
    Append(file, offset);
    file.insert(file.end(), dib.info.begin(), dib.info.end());
    file.insert(file.end(), dib.bits.begin(), dib.bits.end());
    return file;
}

namespace {

// Runs libjpeg's compressor over rows of `components` samples each.
Bytes Compress(int width, int height, int components, J_COLOR_SPACE space, int quality,
               const std::vector<unsigned char>& samples) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* output = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &output, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<unsigned char*>(samples.data()) +
                    std::size_t{info.next_scanline} * width * components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const auto* first = reinterpret_cast<const std::byte*>(output);
    Bytes bytes(first, first + size);
    std::free(output);
    return bytes;
}

}  // namespace

Bytes MakeJpeg(const QImage& image, int quality, bool grey) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> samples;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb color = rgb.pixel(x, y);
            if (grey) {
                samples.push_back(static_cast<unsigned char>(qGray(color)));
            } else {
                samples.insert(samples.end(), {static_cast<unsigned char>(qRed(color)),
                                               static_cast<unsigned char>(qGreen(color)),
                                               static_cast<unsigned char>(qBlue(color))});
            }
        }
    }
    return Compress(rgb.width(), rgb.height(), grey ? 1 : 3, grey ? JCS_GRAYSCALE : JCS_RGB,
                    quality, samples);
}

Bytes MakeCmykJpeg(int width, int height) {
    return Compress(width, height, 4, JCS_CMYK, 90,
                    std::vector<unsigned char>(std::size_t(width) * height * 4, 0x40));
}

Bytes MakeGif(const std::vector<std::vector<int>>& indices, const std::vector<QRgb>& colors) {
    const auto height = static_cast<uint16_t>(indices.size());
    const auto width = static_cast<uint16_t>(indices.front().size());
    Bytes gif;
    for (char c : std::string("GIF89a")) gif.push_back(std::byte(c));
    Append(gif, width);
    Append(gif, height);
    gif.push_back(std::byte{0x81});  // global colour table of 4 entries
    gif.push_back(std::byte{0});
    gif.push_back(std::byte{0});
    for (int i = 0; i < 4; ++i) {
        const QRgb color = i < static_cast<int>(colors.size()) ? colors[i] : 0;
        for (int channel : {qRed(color), qGreen(color), qBlue(color)}) {
            gif.push_back(std::byte(channel));
        }
    }
    gif.push_back(std::byte{0x2C});  // image descriptor
    Append(gif, uint16_t{0});
    Append(gif, uint16_t{0});
    Append(gif, width);
    Append(gif, height);
    gif.push_back(std::byte{0});

    // LZW with a clear code before every second pixel keeps every code 3 bits wide.
    constexpr unsigned kClear = 4, kEnd = 5;
    std::vector<unsigned> codes;
    int count = 0;
    for (const auto& row : indices) {
        for (int index : row) {
            if (count++ % 2 == 0) codes.push_back(kClear);
            codes.push_back(static_cast<unsigned>(index));
        }
    }
    codes.push_back(kEnd);
    Bytes data;
    unsigned accumulator = 0;
    int bits = 0;
    for (unsigned code : codes) {
        accumulator |= code << bits;
        bits += 3;
        while (bits >= 8) {
            data.push_back(std::byte(accumulator & 0xFF));
            accumulator >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0) data.push_back(std::byte(accumulator & 0xFF));

    gif.push_back(std::byte{2});  // minimum code size
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        gif.push_back(std::byte(length));
        gif.insert(gif.end(), data.begin() + at, data.begin() + at + length);
    }
    gif.push_back(std::byte{0});
    gif.push_back(std::byte{0x3B});
    return gif;
}

Bytes Encode(const QImage& image, const char* format) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) throw std::runtime_error("cannot encode");
    const auto* first = reinterpret_cast<const std::byte*>(encoded.constData());
    return Bytes(first, first + encoded.size());
}

QImage ImageOf(const Pixels& pixels, QImage::Format format) {
    QImage image(static_cast<int>(pixels.front().size()), static_cast<int>(pixels.size()),
                 QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, pixels[y][x]);
    }
    return image.convertToFormat(format);
}

Pixels PixelsOf(const QImage& image) {
    Pixels pixels(image.height(), std::vector<QRgb>(image.width()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) pixels[y][x] = image.pixel(x, y) | 0xFF000000u;
    }
    return pixels;
}

std::span<const std::byte> AsBytes(std::string_view text) {
    return std::as_bytes(std::span(text.data(), text.size()));
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kiova-images-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(const std::string& name,
                                        std::span<const std::byte> bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
    if (!stream) throw std::runtime_error("cannot write " + file.string());
    return file;
}

}  // namespace kiova::test
