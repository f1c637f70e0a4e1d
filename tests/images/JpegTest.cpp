#include <gtest/gtest.h>

#include <cstdlib>

#include "Jpeg.h"
#include "TestPictures.h"

namespace kiova {
namespace {

using test::Bytes;

// 16 x 16 in four flat quadrants, so the decoded centres come back close to the original.
QImage Quadrants() {
    const QRgb colors[] = {qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(40, 40, 210),
                           qRgb(240, 240, 240)};
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) image.setPixel(x, y, colors[(y / 8) * 2 + x / 8]);
    }
    return image;
}

bool Close(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
           std::abs(qBlue(a) - qBlue(b)) <= 8;
}

TEST(DecodeJpeg, DecodesColourAndGreyPicturesAtFullSize) {
    const QImage original = Quadrants();
    for (const bool grey : {false, true}) {
        const std::optional<QImage> image = DecodeJpeg(
            test::MakeJpeg(original, grey ? test::JpegSamples::Grey : test::JpegSamples::Rgb));
        ASSERT_TRUE(image) << grey;
        EXPECT_EQ(image->size(), QSize(16, 16));
        EXPECT_EQ(image->format(), QImage::Format_RGB32);
        for (const QPoint centre : {QPoint(4, 4), QPoint(12, 4), QPoint(4, 12), QPoint(12, 12)}) {
            const QRgb expected = original.pixel(centre);
            const int level = qGray(expected);
            EXPECT_TRUE(Close(image->pixel(centre), grey ? qRgb(level, level, level) : expected))
                << grey << " at " << centre.x() << "," << centre.y();
        }
    }
}

TEST(DecodeJpeg, TruncatedScanDataStillGivesTheFullSize) {
    Bytes jpeg = test::MakeJpeg(Quadrants());
    jpeg.resize(jpeg.size() - 40);
    const std::optional<QImage> image = DecodeJpeg(jpeg);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(16, 16));
}

// A copy of `jpeg` whose frame header claims another size.
Bytes WithFrameSize(Bytes jpeg, int width, int height) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == std::byte{0xFF} && jpeg[i + 1] == std::byte{0xC0}) {
            const int fields[] = {height >> 8, height & 0xFF, width >> 8, width & 0xFF};
            for (int k = 0; k < 4; ++k) jpeg[i + 5 + k] = std::byte(fields[k]);
            break;
        }
    }
    return jpeg;
}

TEST(DecodeJpeg, FailsCleanlyOnBadInput) {
    const Bytes good = test::MakeJpeg(Quadrants());
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"empty", {}},
        {"not a JPEG", Bytes(64, std::byte{0x42})},
        {"start marker only", Bytes(good.begin(), good.begin() + 2)},
        {"header cut inside the tables", Bytes(good.begin(), good.begin() + 100)},
        {"huge frame", WithFrameSize(good, 65000, 65000)},
        {"zero width", WithFrameSize(good, 0, 16)},
        {"CMYK", test::MakeJpeg(Quadrants(), test::JpegSamples::Cmyk)},
    };
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(DecodeJpeg(bytes)) << what;
}

}  // namespace
}  // namespace kiova
