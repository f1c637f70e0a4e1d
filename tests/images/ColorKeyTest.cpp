#include <gtest/gtest.h>

#include "ColorKey.h"
#include "TestPictures.h"

namespace kiova {
namespace {

using test::Pixels;

constexpr QRgb kKey = 0xFF204060, kBackground = 0xFFF0F0F0;

TEST(ReplaceColor, ReplacesExactMatchesOnly) {
    const Pixels pixels = {{kKey, qRgb(0x21, 0x40, 0x60), qRgb(0x20, 0x41, 0x60)},
                           {qRgb(0x20, 0x40, 0x5F), kKey, qRgba(0x20, 0x40, 0x60, 0x80)}};
    QImage image = test::ImageOf(pixels, QImage::Format_ARGB32);
    ReplaceColor(image, kKey, kBackground);
    const Pixels expected = {{kBackground, pixels[0][1], pixels[0][2]},
                             {pixels[1][0], kBackground, kBackground}};  // alpha is no colour
    EXPECT_EQ(test::PixelsOf(image), expected);
}

TEST(ReplaceColor, LeavesEveryBitmapTwentyFourBit) {
    const Pixels pixels = {{0xFF000000, 0xFFFFFFFF}, {0xFF808080, 0xFF000000}};
    for (const QImage::Format format : {QImage::Format_Indexed8, QImage::Format_Mono,
                                        QImage::Format_RGB32, QImage::Format_ARGB32}) {
        QImage image = test::ImageOf(pixels, format);
        ReplaceColor(image, kKey, kBackground);  // no pixel matches
        EXPECT_EQ(image.format(), QImage::Format_RGB888) << format;
        EXPECT_EQ(image.depth(), 24) << format;
        EXPECT_EQ(test::PixelsOf(image), test::PixelsOf(test::ImageOf(pixels, format))) << format;
    }
}

TEST(ReplaceColor, NullBitmapIsLeftAlone) {
    QImage image;
    ReplaceColor(image, kKey, kBackground);
    MakeTransparent(image, kBackground);
    EXPECT_TRUE(image.isNull());
}

TEST(MakeTransparent, KeysOnTheBottomLeftPixel) {
    const Pixels pixels = {{kKey, 0xFF111111, 0xFF222222},
                           {0xFF333333, kKey, 0xFF444444},
                           {0xFF555555, 0xFF666666, kKey}};
    QImage image = test::ImageOf(pixels);
    EXPECT_EQ(TransparencyKey(image), 0xFF555555);
    MakeTransparent(image, kBackground);
    Pixels expected = pixels;
    expected[2][0] = kBackground;
    EXPECT_EQ(test::PixelsOf(image), expected);
}

// PixelsOf drops alpha, which is what this key sets.
Pixels ArgbOf(const QImage& image) {
    Pixels rows(image.height(), std::vector<QRgb>(image.width()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) rows[y][x] = image.pixel(x, y);
    return rows;
}

TEST(MakeKeyTransparent, KeyBecomesClearBackgroundAndOwnAlphaStays) {
    const QRgb half = qRgba(0x20, 0x40, 0x60, 0x80);
    const Pixels pixels = {{half, kKey, 0x00000000}, {kKey, 0xFF204061, half}};
    QImage image = test::ImageOf(pixels, QImage::Format_ARGB32);
    MakeKeyTransparent(image, kBackground);
    const QRgb clear = kBackground & RGB_MASK;
    const Pixels expected = {{half, clear, 0x00000000}, {clear, 0xFF204061, half}};
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(ArgbOf(image), expected);

    QImage paletted =
        test::ImageOf({{0xFF000000, kKey}, {kKey, 0xFF000000}}, QImage::Format_Indexed8);
    MakeKeyTransparent(paletted, kBackground);
    EXPECT_EQ(ArgbOf(paletted), (Pixels{{0xFF000000, clear}, {clear, 0xFF000000}}));
}

TEST(MakeTransparent, BackgroundAlreadyBottomLeftChangesNothing) {
    const Pixels pixels = {{kKey, kBackground}, {kBackground, kKey}};
    QImage image = test::ImageOf(pixels);
    MakeTransparent(image, kBackground);
    EXPECT_EQ(test::PixelsOf(image), pixels);
}

}  // namespace
}  // namespace kiova
