// Small pictures the image tests write themselves, and files to put them in.
#pragma once

#include <QImage>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "kiova/spi.h"

namespace kiova::test {

using Bytes = std::vector<std::byte>;
using Pixels = std::vector<std::vector<QRgb>>;  // rows, top row first

// A device-independent bitmap. Rows are padded with junk, which a reader must skip.
struct Dib {
    Bytes info;  // header, then the colour table
    Bytes bits;
};

// `pixels` at 1, 4 or 8 bits per pixel (colour table: the distinct colours in order of
// appearance), 16 (x-5-5-5), 24 or 32; bottom row first unless `topDown`.
Dib MakeDib(const Pixels& pixels, int bitCount, bool topDown = false);
BITMAPINFOHEADER& HeaderOf(Dib& dib);
Bytes MakeBmpFile(const Dib& dib);

// `image` through libjpeg's compressor, from RGB, grey or CMYK samples.
enum class JpegSamples { Rgb, Grey, Cmyk };
Bytes MakeJpeg(const QImage& image, JpegSamples samples = JpegSamples::Rgb);
// A GIF of colour-table indices (rows, top first) into at most 4 colours.
Bytes MakeGif(const std::vector<std::vector<int>>& indices, const std::vector<QRgb>& colors);
Bytes Encode(const QImage& image, const char* format);  // by Qt, "PNG" say

QImage ImageOf(const Pixels& pixels, QImage::Format format = QImage::Format_RGB32);
Pixels PixelsOf(const QImage& image);  // alpha dropped
std::span<const std::byte> AsBytes(std::string_view text);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Write(const std::string& name, std::span<const std::byte> bytes) const;

private:
    std::filesystem::path path_;
};

}  // namespace kiova::test
