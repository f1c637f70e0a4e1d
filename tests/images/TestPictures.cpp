#include "TestPictures.h"

#include <QBuffer>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
// clang-format on

namespace kiova::test {
namespace {

template <typename T>
void Append(Bytes& bytes, const T& value) {
    const auto* first = reinterpret_cast<const std::byte*>(&value);
    bytes.insert(bytes.end(), first, first + sizeof value);
}

void Append(Bytes& bytes, std::initializer_list<int> values) {
    for (int value : values) bytes.push_back(std::byte(value));
}

// One row at `bitCount` bits per pixel, padded to 4 bytes with 0xA5.
Bytes PackRow(const std::vector<QRgb>& row, int bitCount, const std::vector<QRgb>& palette) {
    Bytes packed((row.size() * bitCount + 31) / 32 * 4, std::byte{0xA5});
    auto* at = reinterpret_cast<unsigned char*>(packed.data());
    if (bitCount <= 8) std::fill(at, at + (row.size() * bitCount + 7) / 8, 0);
    for (std::size_t x = 0; x < row.size(); ++x) {
        const QRgb c = row[x];
        if (bitCount <= 8) {
            const auto index = std::find(palette.begin(), palette.end(), c) - palette.begin();
            at[x * bitCount / 8] |= index << (8 - bitCount - x * bitCount % 8);
        } else if (bitCount == 16) {
            const int value = (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3;
            at[2 * x] = value & 0xFF;
            at[2 * x + 1] = value >> 8;
        } else {
            unsigned char* pixel = at + bitCount / 8 * x;
            pixel[0] = qBlue(c);
            pixel[1] = qGreen(c);
            pixel[2] = qRed(c);
            if (bitCount == 32) pixel[3] = 0x11;  // unused: must not matter
        }
    }
    return packed;
}

}  // namespace

Dib MakeDib(const Pixels& pixels, int bitCount, bool topDown) {
    std::vector<QRgb> palette;
    for (const auto& row : pixels) {
        for (QRgb c : row) {
            if (bitCount <= 8 && std::find(palette.begin(), palette.end(), c) == palette.end()) {
                palette.push_back(c);
            }
        }
    }
    if (bitCount <= 8 && palette.size() > (1u << bitCount)) throw std::invalid_argument("colours");
    const int height = static_cast<int>(pixels.size());
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = static_cast<int32_t>(pixels.front().size());
    header.biHeight = topDown ? -height : height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<uint16_t>(bitCount);
    header.biClrUsed = static_cast<uint32_t>(palette.size());
    Dib dib;
    Append(dib.info, header);
    for (QRgb c : palette) Append(dib.info, {qBlue(c), qGreen(c), qRed(c), 0});
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
    const auto offset = static_cast<uint32_t>(14 + dib.info.size());
    Bytes file;
    Append(file, {'B', 'M'});
    Append(file, static_cast<uint32_t>(offset + dib.bits.size()));
    Append(file, uint32_t{0});
    Append(file, offset);
    file.insert(file.end(), dib.info.begin(), dib.info.end());
    file.insert(file.end(), dib.bits.begin(), dib.bits.end());
    return file;
}

Bytes MakeJpeg(const QImage& image, JpegSamples kind) {
    const J_COLOR_SPACE space = kind == JpegSamples::Grey   ? JCS_GRAYSCALE
                                : kind == JpegSamples::Cmyk ? JCS_CMYK
                                                            : JCS_RGB;
    const int components = kind == JpegSamples::Grey ? 1 : kind == JpegSamples::Cmyk ? 4 : 3;
    std::vector<unsigned char> samples;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const int rgb[] = {qRed(c), qGreen(c), qBlue(c), 0};
            if (space == JCS_GRAYSCALE) samples.push_back(qGray(c));
            if (space != JCS_GRAYSCALE) samples.insert(samples.end(), rgb, rgb + components);
        }
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* output = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &output, &size);
    info.image_width = image.width();
    info.image_height = image.height();
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            samples.data() + std::size_t{info.next_scanline} * image.width() * components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const auto* first = reinterpret_cast<const std::byte*>(output);
    Bytes bytes(first, first + size);
    std::free(output);
    return bytes;
}

Bytes MakeGif(const std::vector<std::vector<int>>& indices, const std::vector<QRgb>& colors) {
    const auto width = static_cast<uint16_t>(indices.front().size());
    const auto height = static_cast<uint16_t>(indices.size());
    Bytes gif;
    Append(gif, {'G', 'I', 'F', '8', '9', 'a'});
    Append(gif, width);
    Append(gif, height);
    Append(gif, {0x81, 0, 0});  // a global colour table of 4 entries
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < static_cast<int>(colors.size()) ? colors[i] : 0;
        Append(gif, {qRed(c), qGreen(c), qBlue(c)});
    }
    Append(gif, {0x2C, 0, 0, 0, 0});  // image descriptor at (0, 0)
    Append(gif, width);
    Append(gif, height);
    Append(gif, {0, 2});  // no local table; LZW minimum code size 2

    // A clear code (4) before every second pixel keeps every code 3 bits wide; 5 ends the data.
    std::vector<int> codes;
    int count = 0;
    for (const auto& row : indices) {
        for (int index : row) {
            if (count++ % 2 == 0) codes.push_back(4);
            codes.push_back(index);
        }
    }
    codes.push_back(5);
    Bytes data;
    for (std::size_t bit = 0; bit < codes.size() * 3; ++bit) {
        if (bit % 8 == 0) data.push_back(std::byte{0});
        if (codes[bit / 3] >> (bit % 3) & 1) data.back() |= std::byte(1 << (bit % 8));
    }
    gif.push_back(std::byte(data.size()));  // one sub-block: the tests' pictures are tiny
    gif.insert(gif.end(), data.begin(), data.end());
    Append(gif, {0, 0x3B});
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
    std::string name = (std::filesystem::temp_directory_path() / "kiova-images-XXXXXX").string();
    if (!mkdtemp(name.data())) throw std::runtime_error("mkdtemp failed");
    path_ = name;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(const std::string& name,
                                        std::span<const std::byte> bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return file;
}

}  // namespace kiova::test
