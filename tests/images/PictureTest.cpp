#include <gtest/gtest.h>

#include <cstdlib>

#include "Picture.h"
#include "TestPictures.h"

namespace kiova {
namespace {

using test::Bytes;
using test::Pixels;

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;
const Pixels kPixels = {{kRed, kGreen, kBlue}, {kWhite, kRed, kGreen}};

class LoadPictureFileTest : public testing::Test {
protected:
    // A marker picture: any failed load must leave it as it is.
    LoadPictureFileTest() : target_(5, 5, QImage::Format_RGB32) { target_.fill(0xFF123456); }

    PictureStatus Load(const std::string& name, const Bytes& bytes) {
        return LoadPictureFile(folder_.Write(name, bytes), plugIns_, target_);
    }
    bool TargetUntouched() const {
        return target_.size() == QSize(5, 5) && target_.pixel(4, 4) == 0xFF123456;
    }

    test::TempFolder folder_;
    TSusiePlugInList plugIns_;
    QImage target_;
};

TEST_F(LoadPictureFileTest, MissingFileOrFolderIsNotExists) {
    EXPECT_EQ(LoadPictureFile(folder_.Path() / "none.bmp", plugIns_, target_),
              PictureStatus::NotExists);
    EXPECT_EQ(LoadPictureFile(folder_.Path(), plugIns_, target_), PictureStatus::NotExists);
    EXPECT_TRUE(TargetUntouched());
}

TEST_F(LoadPictureFileTest, JpegExtensionInAnyCaseGoesToTheJpegDecoder) {
    const Bytes jpeg = test::MakeJpeg(test::ImageOf(kPixels));
    for (const char* name : {"a.jpg", "b.JPG", "c.Jpeg", "d.jpeg", ".jpg"}) {
        target_ = QImage();
        EXPECT_EQ(Load(name, jpeg), PictureStatus::Loaded) << name;
        EXPECT_EQ(target_.size(), QSize(3, 2)) << name;
    }
}

// Each channel within `tolerance` of the expected one.
bool Near(const Pixels& actual, const Pixels& expected, int tolerance) {
    if (actual.size() != expected.size()) return false;
    for (std::size_t y = 0; y < actual.size(); ++y) {
        if (actual[y].size() != expected[y].size()) return false;
        for (std::size_t x = 0; x < actual[y].size(); ++x) {
            const QRgb a = actual[y][x], e = expected[y][x];
            if (std::abs(qRed(a) - qRed(e)) > tolerance ||
                std::abs(qGreen(a) - qGreen(e)) > tolerance ||
                std::abs(qBlue(a) - qBlue(e)) > tolerance) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(LoadPictureFileTest, BitmapsOfEveryDepthLoad) {
    for (int bitCount : {1, 4, 8, 16, 24, 32}) {
        const Pixels pixels =
            bitCount == 1 ? Pixels{{kRed, kWhite, kRed}, {kWhite, kWhite, kRed}} : kPixels;
        // The bitmap reader widens 5-bit channels by shifting, so 31 becomes 248.
        const int tolerance = bitCount == 16 ? 7 : 0;
        for (const char* name : {"p.bmp", "P.BMP"}) {
            target_ = QImage();
            ASSERT_EQ(Load(name, test::MakeBmpFile(test::MakeDib(pixels, bitCount))),
                      PictureStatus::Loaded)
                << bitCount << " bits, " << name;
            EXPECT_TRUE(Near(test::PixelsOf(target_), pixels, tolerance))
                << bitCount << " bits, " << name;
        }
    }
}

TEST_F(LoadPictureFileTest, NoFallbackBetweenDecoders) {
    ASSERT_TRUE(plugIns_.Add(KIOVA_QTIMAGE_SPI));  // would read both kinds by content
    const Bytes bmp = test::MakeBmpFile(test::MakeDib(kPixels, 24));
    const Bytes jpeg = test::MakeJpeg(test::ImageOf(kPixels));
    EXPECT_EQ(Load("jpeg-inside.bmp", jpeg), PictureStatus::InvalidBitmap);
    EXPECT_EQ(Load("bmp-inside.jpg", bmp), PictureStatus::InvalidBitmap);
    EXPECT_TRUE(TargetUntouched());
    EXPECT_EQ(Load("bmp-inside.dib", bmp), PictureStatus::Loaded);  // the decoder library
    EXPECT_EQ(test::PixelsOf(target_), kPixels);
}

TEST_F(LoadPictureFileTest, OtherExtensionsGoToTheDecoderList) {
    const Bytes png = test::Encode(test::ImageOf(kPixels), "PNG");
    EXPECT_EQ(Load("face.png", png), PictureStatus::NotDecoded);  // no decoder loaded yet
    EXPECT_TRUE(TargetUntouched());
    ASSERT_TRUE(plugIns_.Add(KIOVA_QTIMAGE_SPI));
    for (const char* name : {"face.png", "FACE.PNG", "noextension"}) {
        target_ = QImage();
        EXPECT_EQ(Load(name, png), PictureStatus::Loaded) << name;
        EXPECT_EQ(test::PixelsOf(target_), kPixels) << name;
    }
}

TEST_F(LoadPictureFileTest, CorruptFilesFailAndLeaveTheTarget) {
    ASSERT_TRUE(plugIns_.Add(KIOVA_QTIMAGE_SPI));
    Bytes jpeg = test::MakeJpeg(test::ImageOf(kPixels));
    jpeg.resize(30);
    Bytes bmp = test::MakeBmpFile(test::MakeDib(kPixels, 24));
    bmp.resize(bmp.size() / 2);
    Bytes png = test::Encode(test::ImageOf(kPixels), "PNG");
    png.resize(png.size() / 2);
    const Bytes noise(300, std::byte{0x5A});
    EXPECT_EQ(Load("bad.jpg", jpeg), PictureStatus::InvalidBitmap);
    EXPECT_EQ(Load("bad.bmp", bmp), PictureStatus::InvalidBitmap);
    EXPECT_EQ(Load("empty.bmp", {}), PictureStatus::InvalidBitmap);
    EXPECT_EQ(Load("bad.png", png), PictureStatus::NotDecoded);
    EXPECT_EQ(Load("noise.gif", noise), PictureStatus::NotDecoded);
    EXPECT_EQ(Load("empty.png", {}), PictureStatus::NotDecoded);
    EXPECT_TRUE(TargetUntouched());
}

}  // namespace
}  // namespace kiova
