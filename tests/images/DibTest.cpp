#include <gtest/gtest.h>

#include <functional>

#include "Dib.h"
#include "TestPictures.h"

namespace kiova {
namespace {

using test::Dib;
using test::MakeDib;
using test::Pixels;

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF,
               kBlack = 0xFF000000;

// Three columns, so every depth has row padding; colours exact in 5 bits per channel.
const Pixels kFourColors = {{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}};
const Pixels kTwoColors = {{kRed, kWhite, kRed}, {kWhite, kWhite, kRed}};

std::optional<QImage> Convert(const Dib& dib) {
    return DibToImage(dib.info, dib.bits);
}

struct DepthCase {
    int bitCount;
    bool topDown;
};

class DibDepths : public testing::TestWithParam<DepthCase> {};

TEST_P(DibDepths, GivesThePixelsTopRowFirst) {
    const auto [bitCount, topDown] = GetParam();
    const Pixels& pixels = bitCount == 1 ? kTwoColors : kFourColors;
    const std::optional<QImage> image = Convert(MakeDib(pixels, bitCount, topDown));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->format(), QImage::Format_RGB32);
    EXPECT_EQ(test::PixelsOf(*image), pixels);
}

INSTANTIATE_TEST_SUITE_P(
    AllDepths, DibDepths,
    testing::Values(DepthCase{1, false}, DepthCase{1, true}, DepthCase{4, false},
                    DepthCase{4, true}, DepthCase{8, false}, DepthCase{8, true},
                    DepthCase{16, false}, DepthCase{16, true}, DepthCase{24, false},
                    DepthCase{24, true}, DepthCase{32, false}, DepthCase{32, true}),
    [](const auto& test) {
        return std::to_string(test.param.bitCount) + (test.param.topDown ? "TopDown" : "BottomUp");
    });

// A BI_BITFIELDS bitmap: 40-byte header, three masks, then the pixel of `value`.
Dib Bitfields(int bitCount, std::array<uint32_t, 3> masks, uint32_t value) {
    Dib dib = MakeDib({{kBlack}}, 32);
    HeaderOf(dib).biBitCount = static_cast<uint16_t>(bitCount);
    HeaderOf(dib).biCompression = BI_BITFIELDS;
    for (uint32_t mask : masks) {
        const auto* first = reinterpret_cast<const std::byte*>(&mask);
        dib.info.insert(dib.info.end(), first, first + 4);
    }
    const auto* first = reinterpret_cast<const std::byte*>(&value);
    dib.bits.assign(first, first + 4);
    return dib;
}

TEST(DibToImage, ReadsBitfieldMasksScaledToEightBits) {
    // 5-6-5: red 31 (full), green 32 of 63, blue 0.
    const auto rgb565 = Convert(Bitfields(16, {0xF800, 0x07E0, 0x001F}, 0xFC00));
    ASSERT_TRUE(rgb565);
    EXPECT_EQ(rgb565->pixel(0, 0), qRgb(255, 130, 0));
    // Masks in an unusual order; the top byte is alpha and is dropped.
    const auto swapped = Convert(Bitfields(32, {0xFF, 0xFF00, 0xFF0000}, 0x80123456));
    ASSERT_TRUE(swapped);
    EXPECT_EQ(swapped->pixel(0, 0), qRgb(0x56, 0x34, 0x12));
    // A V5 header holds the masks as its own fields, at the same offset.
    Dib v5 = Bitfields(32, {0xFF0000, 0xFF00, 0xFF}, 0x00102030);
    HeaderOf(v5).biSize = 124;
    v5.info.resize(124);
    const auto large = Convert(v5);
    ASSERT_TRUE(large);
    EXPECT_EQ(large->pixel(0, 0), qRgb(0x10, 0x20, 0x30));
}

TEST(DibToImage, IndexPastAShortColourTableIsBlack) {
    Dib dib = MakeDib({{kRed, kGreen, kBlue, kWhite}}, 8);
    HeaderOf(dib).biClrUsed = 2;
    dib.info.resize(dib.info.size() - 2 * sizeof(RGBQUAD));
    const auto image = Convert(dib);
    ASSERT_TRUE(image);
    EXPECT_EQ(test::PixelsOf(*image), (Pixels{{kRed, kGreen, kBlack, kBlack}}));
}

TEST(DibToImage, RefusesWhatItCannotReadSafely) {
    const std::vector<std::pair<const char*, std::function<void(Dib&)>>> damages = {
        {"header block too short", [](Dib& d) { d.info.resize(39); }},
        {"header size below 40", [](Dib& d) { HeaderOf(d).biSize = 12; }},
        {"header size past its block", [](Dib& d) { HeaderOf(d).biSize = 4096; }},
        {"zero width", [](Dib& d) { HeaderOf(d).biWidth = 0; }},
        {"negative width", [](Dib& d) { HeaderOf(d).biWidth = -3; }},
        {"zero height", [](Dib& d) { HeaderOf(d).biHeight = 0; }},
        {"most negative height", [](Dib& d) { HeaderOf(d).biHeight = INT32_MIN; }},
        {"2 bits per pixel", [](Dib& d) { HeaderOf(d).biBitCount = 2; }},
        {"run-length compression", [](Dib& d) { HeaderOf(d).biCompression = 1; }},
        {"masks on 8 bits", [](Dib& d) { HeaderOf(d).biCompression = BI_BITFIELDS; }},
        {"pixel rows one byte short", [](Dib& d) { d.bits.pop_back(); }},
        {"colour table cut short", [](Dib& d) { d.info.resize(d.info.size() - 1); }},
        {"huge picture, few bytes",
         [](Dib& d) {
             HeaderOf(d).biWidth = 65536;
             HeaderOf(d).biHeight = 65536;
         }},
    };
    for (const auto& [what, damage] : damages) {
        Dib dib = MakeDib(kFourColors, 8);
        ASSERT_TRUE(Convert(dib)) << "undamaged";
        damage(dib);
        EXPECT_FALSE(Convert(dib)) << what;
    }
    Dib masked = Bitfields(32, {0xFF0000, 0xFF00, 0xFF}, 0);
    masked.info.resize(48);  // masks cut short
    EXPECT_FALSE(Convert(masked));
    Dib rgb = MakeDib(kFourColors, 24);
    HeaderOf(rgb).biCompression = BI_BITFIELDS;  // masks need 16 or 32 bits
    EXPECT_FALSE(Convert(rgb));
}

}  // namespace
}  // namespace kiova
