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

std::optional<Pixels> Decode(const Bytes& bytes) {
    TSusiePlugInList list;
    EXPECT_TRUE(list.Add(KIOVA_QTIMAGE_SPI));
    EXPECT_TRUE(list[0].CanDecode());
    QImage image;
    if (!list.LoadFromMemory(bytes, image)) return std::nullopt;
    return test::PixelsOf(image);
}

TEST(QtImageDecoder, DecodesFormatsByContent) {
    const QImage image = test::ImageOf(kPixels);
    EXPECT_EQ(Decode(test::Encode(image, "PNG")), kPixels);
    EXPECT_EQ(Decode(test::Encode(image, "PPM")), kPixels);
    EXPECT_EQ(Decode(test::MakeGif({{0, 1, 2}, {3, 0, 1}}, {kRed, kGreen, kBlue, kWhite})),
              kPixels);
    // Transparency is dropped, the colours kept.
    const QImage translucent =
        test::ImageOf({{qRgba(10, 20, 30, 0), qRgba(200, 100, 50, 128)}}, QImage::Format_ARGB32);
    EXPECT_EQ(Decode(test::Encode(translucent, "PNG")),
              (Pixels{{qRgb(10, 20, 30), qRgb(200, 100, 50)}}));
}

TEST(QtImageDecoder, RefusesWhatItCannotDecode) {
    Bytes png = test::Encode(test::ImageOf(kPixels), "PNG");
    png.resize(png.size() - 20);
    Bytes gif = test::MakeGif({{0, 1, 2}, {3, 0, 1}}, {kRed, kGreen, kBlue, kWhite});
    gif.resize(20);
    EXPECT_FALSE(Decode(png));
    EXPECT_FALSE(Decode(gif));
    EXPECT_FALSE(Decode(Bytes(100, std::byte{0})));
    EXPECT_FALSE(Decode(Bytes(1, std::byte{'P'})));
}

// The entry points as any host may call them.
TEST(QtImageDecoder, EntryPoints) {
    void* library = dlopen(KIOVA_QTIMAGE_SPI, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr);
    const auto entry = [library]<typename Function>(Function*, const char* name) {
        return reinterpret_cast<Function*>(dlsym(library, name));
    };

    auto* getPluginInfo = entry(&::GetPluginInfo, "GetPluginInfo");
    char text[256] = "xxxx";
    EXPECT_EQ(getPluginInfo(1, text, 3), 2);  // cut to the buffer, terminated inside it
    EXPECT_STREQ(text, "Ki");
    EXPECT_EQ(text[3], 'x');
    EXPECT_EQ(getPluginInfo(4, text, sizeof text), 0);
    ASSERT_GT(getPluginInfo(2, text, sizeof text), 0);
    EXPECT_NE(std::string(text).find("*.gif"), std::string::npos);

    const Bytes png = test::Encode(test::ImageOf(kPixels), "PNG");
    const auto* buf = reinterpret_cast<const char*>(png.data());
    const auto len = static_cast<intptr_t>(png.size());
    PictureInfo info{};
    ASSERT_EQ(entry(&::GetPictureInfo, "GetPictureInfo")(buf, len, SPI_INPUT_MEMORY, &info),
              SPI_OK);
    EXPECT_EQ(info.width + 0, 3);  // "+ 0": the packed fields cannot bind to references
    EXPECT_EQ(info.height + 0, 2);

    auto* getPicture = entry(&::GetPicture, "GetPicture");
    void* bitmapInfo = nullptr;
    void* bits = nullptr;
    EXPECT_EQ(getPicture("picture.png", 0, SPI_INPUT_FILE, &bitmapInfo, &bits, nullptr, 0),
              SPI_NOT_IMPLEMENTED);
    const SPI_PROGRESS stop = [](int, int, intptr_t) { return 1; };
    EXPECT_EQ(getPicture(buf, len, SPI_INPUT_MEMORY, &bitmapInfo, &bits, stop, 0), SPI_ABORTED);
    EXPECT_EQ(bitmapInfo, nullptr);
    EXPECT_EQ(bits, nullptr);
    dlclose(library);
}

}  // namespace
}  // namespace kiova
