// Small pictures the image tests write themselves, and files to put them in.
#pragma once

#include <QImage>
#include <QRgb>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "kiova/spi.h"

namespace kiova::test {

using Bytes = std::vector<std::byte>;
using Pixels = std::vector<std::vector<QRgb>>;  // rows, top row first

// A device-independent bitmap: header (+ colour table) and pixel rows. Rows are padded with
// junk bytes, so a reader that does not skip the padding sees wrong colours.
struct Dib {
    Bytes info;
    Bytes bits;
};

// `pixels` at 1, 4, 8 (colour table of the distinct colours, in order of appearance), 16 (x-5-5-5),
// 24 or 32 bits per pixel; bottom row first unless `topDown`.
Dib MakeDib(const Pixels& pixels, int bitCount, bool topDown = false);
// The same picture as a ".bmp" file.
Bytes MakeBmpFile(const Dib& dib);
BITMAPINFOHEADER& HeaderOf(Dib& dib);

// A JPEG made by libjpeg's compressor from `image` (3 components, or 1 for a grey picture).
Bytes MakeJpeg(const QImage& image, int quality = 95, bool grey = false);
// A CMYK JPEG of a w x h picture.
Bytes MakeCmykJpeg(int width, int height);

// A GIF of `indices` (rows, top first) into a colour table of at most 4 colours.
Bytes MakeGif(const std::vector<std::vector<int>>& indices, const std::vector<QRgb>& colors);

// `image` encoded by Qt in `format` ("PNG").
Bytes Encode(const QImage& image, const char* format);
QImage ImageOf(const Pixels& pixels, QImage::Format format = QImage::Format_RGB32);
Pixels PixelsOf(const QImage& image);  // RGB only, alpha dropped

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
