#include <gtest/gtest.h>

#include <cstdlib>

#include "Jpeg.h"
#include "TestPictures.h"

namespace kiova {
namespace {

using test::Bytes;

// 16 x 16 in four flat quadrants, so the decoded centres come back close to the original.
QImage Quadrants() {
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb colors[] = {qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(40, 40, 210),
                                   qRgb(240, 240, 240)};
            image.setPixel(x, y, colors[(y / 8) * 2 + x / 8]);
        }
    }
    return image;
}

void ExpectClose(QRgb actual, QRgb expected) {
    EXPECT_LE(std::abs(qRed(actual) - qRed(expected)), 8);
    EXPECT_LE(std::abs(qGreen(actual) - qGreen(expected)), 8);
    EXPECT_LE(std::abs(qBlue(actual) - qBlue(expected)), 8);
}

TEST(DecodeJpeg, DecodesColourPictureAtFullSize) {
    const QImage original = Quadrants();
    const std::optional<QImage> image = DecodeJpeg(test::MakeJpeg(original));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(16, 16));
    EXPECT_EQ(image->format(), QImage::Format_RGB32);
    for (const QPoint centre : {QPoint(4, 4), QPoint(12, 4), QPoint(4, 12), QPoint(12, 12)}) {
        ExpectClose(image->pixel(centre), original.pixel(centre));
        EXPECT_EQ(qAlpha(image->pixel(centre)), 255);
    }
}

TEST(DecodeJpeg, DecodesGreyPictureAsRgb) {
    QImage grey(8, 8, QImage::Format_RGB32);
    grey.fill(qRgb(100, 100, 100));
    const std::optional<QImage> image = DecodeJpeg(test::MakeJpeg(grey, 95, true));
    ASSERT_TRUE(image);
    ExpectClose(image->pixel(3, 3), qRgb(100, 100, 100));
}

TEST(DecodeJpeg, TruncatedScanDataStillGivesTheFullSize) {
    Bytes jpeg = test::MakeJpeg(Quadrants());
    jpeg.resize(jpeg.size() - 40);
    const std::optional<QImage> image = DecodeJpeg(jpeg);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(16, 16));
}

// The start-of-frame marker's height and width fields.
void SetFrameSize(Bytes& jpeg, uint16_t width, uint16_t height) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == std::byte{0xFF} && jpeg[i + 1] == std::byte{0xC0}) {
            jpeg[i + 5] = std::byte(height >> 8);
            jpeg[i + 6] = std::byte(height & 0xFF);
            jpeg[i + 7] = std::byte(width >> 8);
            jpeg[i + 8] = std::byte(width & 0xFF);
            return;
        }
    }
    FAIL() << "no frame marker";
}

TEST(DecodeJpeg, FailsCleanlyOnBadInput) {
    const Bytes good = test::MakeJpeg(Quadrants());
    Bytes huge = good;
    SetFrameSize(huge, 65000, 65000);
    Bytes zeroWidth = good;
    SetFrameSize(zeroWidth, 0, 16);
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"empty", {}},
        {"not a JPEG", Bytes(64, std::byte{0x42})},
        {"start marker only", Bytes(good.begin(), good.begin() + 2)},
        {"header cut inside the tables", Bytes(good.begin(), good.begin() + 100)},
        {"huge frame", huge},
        {"zero width", zeroWidth},
        {"CMYK", test::MakeCmykJpeg(8, 8)},
    };
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(DecodeJpeg(bytes)) << what;
}

}  // namespace
}  // namespace kiova
