// The program's own decoder library, through the decoder list and through its entry points.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "SusiePlugInList.h"
#include "TestPictures.h"

namespace kiova {
namespace {

using test::Bytes;
using test::Pixels;

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;
const Pixels kPixels = {{kRed, kGreen, kBlue}, {kWhite, kRed, kGreen}};

class QtImageDecoderTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(list_.Add(KIOVA_QTIMAGE_SPI)); }
    std::optional<Pixels> Decode(const Bytes& bytes) {
        QImage image;
        if (!list_.LoadFromMemory(bytes, image)) return std::nullopt;
        return test::PixelsOf(image);
    }

    TSusiePlugInList list_;
};

TEST_F(QtImageDecoderTest, DescribesItselfAsAnImageDecoder) {
    EXPECT_EQ(list_[0].Version(), "00IN");
    EXPECT_TRUE(list_[0].CanDecode());
    EXPECT_NE(list_[0].Extensions().find("*.PNG"), std::string::npos);
    EXPECT_NE(list_[0].Extensions().find("*.GIF"), std::string::npos);
}

TEST_F(QtImageDecoderTest, DecodesFormatsByContent) {
    const QImage image = test::ImageOf(kPixels);
    EXPECT_EQ(Decode(test::Encode(image, "PNG")), kPixels);
    EXPECT_EQ(Decode(test::Encode(image, "PPM")), kPixels);
    EXPECT_EQ(Decode(test::MakeGif({{0, 1, 2}, {3, 0, 1}}, {kRed, kGreen, kBlue, kWhite})),
              kPixels);
}

TEST_F(QtImageDecoderTest, KeepsColoursUnderTransparency) {
    const QImage translucent =
        test::ImageOf({{qRgba(10, 20, 30, 0), qRgba(200, 100, 50, 128)}}, QImage::Format_ARGB32);
    EXPECT_EQ(Decode(test::Encode(translucent, "PNG")),
              (Pixels{{qRgb(10, 20, 30), qRgb(200, 100, 50)}}));
}

TEST_F(QtImageDecoderTest, RefusesWhatItCannotDecode) {
    Bytes png = test::Encode(test::ImageOf(kPixels), "PNG");
    png.resize(png.size() - 20);
    Bytes gif = test::MakeGif({{0, 1, 2}, {3, 0, 1}}, {kRed, kGreen, kBlue, kWhite});
    gif.resize(20);
    EXPECT_FALSE(Decode(png));
    EXPECT_FALSE(Decode(gif));
    EXPECT_FALSE(Decode(Bytes(100, std::byte{0})));
    EXPECT_FALSE(Decode(Bytes(1, std::byte{'P'})));
}

// The entry points a host other than ours might use.
class QtImageDecoderEntryPoints : public testing::Test {
protected:
    void SetUp() override {
        library_ = dlopen(KIOVA_QTIMAGE_SPI, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr);
    }
    void TearDown() override {
        if (library_) dlclose(library_);
    }
    template <typename Function>
    Function* Entry(const char* name) {
        return reinterpret_cast<Function*>(dlsym(library_, name));
    }

    void* library_ = nullptr;
};

TEST_F(QtImageDecoderEntryPoints, InformationTextsAreCutToTheBuffer) {
    auto* getPluginInfo = Entry<decltype(::GetPluginInfo)>("GetPluginInfo");
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(getPluginInfo(1, buffer, 3), 2);
    EXPECT_STREQ(buffer, "Ki");
    EXPECT_EQ(buffer[3], 'x');
    EXPECT_EQ(getPluginInfo(4, buffer, 4), 0);
    EXPECT_EQ(getPluginInfo(0, nullptr, 10), 0);
}

TEST_F(QtImageDecoderEntryPoints, PictureInfoAndUnsupportedRequests) {
    const Bytes png = test::Encode(test::ImageOf(kPixels), "PNG");
    const auto* buf = reinterpret_cast<const char*>(png.data());
    const auto len = static_cast<intptr_t>(png.size());

    PictureInfo info{};
    auto* getPictureInfo = Entry<decltype(::GetPictureInfo)>("GetPictureInfo");
    ASSERT_EQ(getPictureInfo(buf, len, SPI_INPUT_MEMORY, &info), SPI_OK);
    // Copies: the structure is packed, so its fields cannot be bound to references.
    const int32_t width = info.width, height = info.height;
    const void* const comment = info.hInfo;
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(comment, nullptr);

    void* bitmapInfo = nullptr;
    void* bits = nullptr;
    auto* getPicture = Entry<decltype(::GetPicture)>("GetPicture");
    EXPECT_EQ(getPicture("picture.png", 0, SPI_INPUT_FILE, &bitmapInfo, &bits, nullptr, 0),
              SPI_NOT_IMPLEMENTED);
    const SPI_PROGRESS stop = [](int, int, intptr_t) { return 1; };
    EXPECT_EQ(getPicture(buf, len, SPI_INPUT_MEMORY, &bitmapInfo, &bits, stop, 0), SPI_ABORTED);
    EXPECT_EQ(bitmapInfo, nullptr);
    EXPECT_EQ(bits, nullptr);
    auto* getPreview = Entry<decltype(::GetPreview)>("GetPreview");
    EXPECT_EQ(getPreview(buf, len, SPI_INPUT_MEMORY, &bitmapInfo, &bits, nullptr, 0),
              SPI_NOT_IMPLEMENTED);
}

}  // namespace
}  // namespace kiova
