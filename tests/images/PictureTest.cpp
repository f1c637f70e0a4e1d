#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

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

TEST_F(LoadPictureFileTest, BitmapsOfEveryDepthLoad) {
    const Pixels twoColors = {{kRed, kWhite, kRed}, {kWhite, kWhite, kRed}};
    for (int bitCount : {1, 4, 8, 16, 24, 32}) {
        const Pixels& pixels = bitCount == 1 ? twoColors : kPixels;
        target_ = QImage();
        ASSERT_EQ(Load(bitCount % 2 ? "p.BMP" : "p.bmp",
                       test::MakeBmpFile(test::MakeDib(pixels, bitCount))),
                  PictureStatus::Loaded)
            << bitCount;
        // The bitmap reader widens 5-bit channels by shifting (31 becomes 248).
        if (bitCount != 16) {
            EXPECT_EQ(test::PixelsOf(target_), pixels) << bitCount;
        }
        EXPECT_EQ(target_.size(), QSize(3, 2)) << bitCount;
    }
}

TEST_F(LoadPictureFileTest, OtherExtensionsGoToTheDecoderListWithoutFallback) {
    const Bytes png = test::Encode(test::ImageOf(kPixels), "PNG");
    EXPECT_EQ(Load("face.png", png), PictureStatus::NotDecoded);  // no decoder loaded yet
    EXPECT_TRUE(TargetUntouched());

    ASSERT_TRUE(plugIns_.Add(KIOVA_QTIMAGE_SPI));  // reads bitmaps and JPEGs by content, too
    const Bytes bmp = test::MakeBmpFile(test::MakeDib(kPixels, 24));
    EXPECT_EQ(Load("jpeg-inside.bmp", test::MakeJpeg(test::ImageOf(kPixels))),
              PictureStatus::InvalidBitmap);
    EXPECT_EQ(Load("bmp-inside.jpg", bmp), PictureStatus::InvalidBitmap);
    EXPECT_TRUE(TargetUntouched());
    for (const auto& [name, bytes] : {std::pair{"face.png", png}, std::pair{"FACE.PNG", png},
                                      std::pair{"noextension", png}, std::pair{"b.dib", bmp}}) {
        target_ = QImage();
        EXPECT_EQ(Load(name, bytes), PictureStatus::Loaded) << name;
        EXPECT_EQ(test::PixelsOf(target_), kPixels) << name;
    }
}

TEST_F(LoadPictureFileTest, CorruptFilesFailAndLeaveTheTarget) {
    ASSERT_TRUE(plugIns_.Add(KIOVA_QTIMAGE_SPI));
    const auto cut = [](Bytes bytes, std::size_t size) {
        bytes.resize(size);
        return bytes;
    };
    const Bytes bmp = test::MakeBmpFile(test::MakeDib(kPixels, 24));
    const Bytes png = test::Encode(test::ImageOf(kPixels), "PNG");
    const std::vector<std::tuple<const char*, Bytes, PictureStatus>> cases = {
        {"bad.jpg", cut(test::MakeJpeg(test::ImageOf(kPixels)), 30), PictureStatus::InvalidBitmap},
        {"bad.bmp", cut(bmp, bmp.size() / 2), PictureStatus::InvalidBitmap},
        {"empty.bmp", {}, PictureStatus::InvalidBitmap},
        {"bad.png", cut(png, png.size() / 2), PictureStatus::NotDecoded},
        {"noise.gif", Bytes(300, std::byte{0x5A}), PictureStatus::NotDecoded},
        {"empty.png", {}, PictureStatus::NotDecoded},
    };
    for (const auto& [name, bytes, status] : cases) EXPECT_EQ(Load(name, bytes), status) << name;
    EXPECT_TRUE(TargetUntouched());
}

// Refused before anything is allocated for them: a file over 64 MB (a sparse one here) and a
// picture over 16384 pixels a side, through our own readers and through Qt's.
TEST_F(LoadPictureFileTest, OversizedPicturesAreRefused) {
    ASSERT_TRUE(plugIns_.Add(KIOVA_QTIMAGE_SPI));
    for (const char* name : {"huge.bmp", "huge.jpg", "huge.png"}) {
        std::filesystem::resize_file(folder_.Write(name, {}), (std::uintmax_t{64} << 20) + 1);
        EXPECT_EQ(LoadPictureFile(folder_.Path() / name, plugIns_, target_),
                  PictureStatus::InvalidBitmap)
            << name;
    }
    QImage wide(16385, 1, QImage::Format_RGB32);
    wide.fill(kGreen);
    EXPECT_EQ(Load("wide.jpg", test::MakeJpeg(wide)), PictureStatus::InvalidBitmap);
    EXPECT_EQ(Load("wide.bmp", test::Encode(wide, "BMP")), PictureStatus::InvalidBitmap);
    EXPECT_EQ(Load("wide.png", test::Encode(wide, "PNG")), PictureStatus::NotDecoded);
    EXPECT_TRUE(TargetUntouched());
    QImage widest_allowed(16384, 1, QImage::Format_RGB32);
    widest_allowed.fill(kGreen);
    EXPECT_EQ(Load("fits.png", test::Encode(widest_allowed, "PNG")), PictureStatus::Loaded);
}

}  // namespace
}  // namespace kiova
