#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "RunTool.h"
#include "TempFolder.h"
#include "images/TestPictures.h"

namespace kiova {
namespace {

using test::Pixels;
using testing::RunTool;
using testing::TempFolder;

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;
constexpr QRgb kWindow = 0xFFEFEFEF;
const Pixels kPixels = {{kRed, kGreen, kBlue}, {kWhite, kRed, kGreen}};

std::string Text(const test::Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A program folder of its own (KIOVA_HOME) without decoders, unless a test copies one in.
class PictureTool : public ::testing::Test {
protected:
    PictureTool() { ::setenv("KIOVA_HOME", home_.Path().c_str(), 1); }
    ~PictureTool() override { ::unsetenv("KIOVA_HOME"); }

    Pixels Written() const { return test::PixelsOf(QImage(QString::fromStdString(out_))); }

    TempFolder home_;
    TempFolder files_;
    const std::string out_ = files_ / "out.png";
};

TEST_F(PictureTool, BitmapsOfEveryDepthComeOutAsTheProgramSeesThem) {
    const Pixels two_colors = {{kRed, kWhite, kRed}, {kWhite, kWhite, kRed}};
    for (int depth : {1, 4, 8, 16, 24, 32}) {
        const Pixels& pixels = depth == 1 ? two_colors : kPixels;
        const std::string bmp =
            files_.Write("p.bmp", Text(test::MakeBmpFile(test::MakeDib(pixels, depth))));
        auto result = RunTool({"picture", bmp, "--png", out_});
        ASSERT_EQ(result.status, 0) << depth << result.err;
        EXPECT_EQ(result.out, bmp + ": 3x2, written to " + out_ + "\n");
        // 5-bit channels are widened by shifting (31 becomes 248), so 16 bits compares sizes only.
        if (depth != 16) {
            EXPECT_EQ(Written(), pixels) << depth;
        }
        EXPECT_EQ(QImage(QString::fromStdString(out_)).size(), QSize(3, 2)) << depth;
    }
}

TEST_F(PictureTool, TransparentReplacesTheBottomLeftColourByTheWindowColour) {
    const std::string bmp =
        files_.Write("p.bmp", Text(test::MakeBmpFile(test::MakeDib(kPixels, 24))));
    auto result = RunTool({"picture", bmp, "--png", out_, "--transparent", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["key"], "#FFFFFF");
    EXPECT_EQ(json["windowColor"], "#EFEFEF");
    EXPECT_EQ(Written(), (Pixels{{kRed, kGreen, kBlue}, {kWindow, kRed, kGreen}}));
}

TEST_F(PictureTool, OtherFormatsGoToTheProgramsAndTheCharactersDecoders) {
    const std::string png =
        files_.Write("face.png", Text(test::Encode(test::ImageOf(kPixels), "PNG")));
    auto none = RunTool({"picture", png, "--png", out_});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err,
              "kiova-tool: " + png + ": no decoder library is loaded for its extension\n");

    // The character's own decoders lie in the program folder under its "folder" value.
    std::filesystem::create_directories(home_.Path() / "chars/alice");
    std::filesystem::copy_file(KIOVA_QTIMAGE_SPI, home_.Path() / "chars/alice/qtimage.spi");
    const std::string package =
        files_.Write("alice.ktc", "name\r\nAlice\r\nfolder\r\nchars/alice\r\n");
    auto decoded = RunTool({"picture", png, "--png", out_, "--package", package});
    ASSERT_EQ(decoded.status, 0) << decoded.err;
    EXPECT_EQ(Written(), kPixels);

    const std::string noise = files_.Write("noise.gif", std::string(300, 'Z'));
    auto refused = RunTool({"picture", noise, "--png", out_, "--package", package});
    EXPECT_EQ(refused.err,
              "kiova-tool: " + noise + ": no decoder library decoded it (asked: qtimage.spi)\n");
}

TEST_F(PictureTool, BadInputIsOneLine) {
    test::Bytes bmp = test::MakeBmpFile(test::MakeDib(kPixels, 24));
    bmp.resize(bmp.size() / 2);
    const std::string broken = files_.Write("broken.bmp", Text(bmp));
    const std::string jpeg = files_.Write("broken.jpg", "not a jpeg");
    const std::string good =
        files_.Write("good.bmp", Text(test::MakeBmpFile(test::MakeDib(kPixels, 8))));
    const std::string missing = files_ / "missing.bmp";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err_start;
    } cases[] = {
        {{"picture", broken, "--png", out_}, 1, broken + ": the BMP reader refused it: "},
        {{"picture", jpeg, "--png", out_}, 1, jpeg + ": the JPEG decoder (libjpeg) refused it"},
        {{"picture", missing, "--png", out_}, 1, missing + ": not an existing file"},
        {{"picture", good, "--png", out_, "--package", files_ / "none.ktc"},
         1,
         files_ / "none.ktc" + " does not exist"},
        {{"picture", good, "--png", files_ / "no/such/folder/out.png"}, 1, "cannot write "},
        {{"picture", good}, 2, "picture needs --png OUT"},
        {{"picture", "--png", out_}, 2, "picture needs a FILE"},
        {{"picture", good, "--png"}, 2, "--png needs a value"},
    };
    for (const auto& c : cases) {
        auto result = RunTool(c.args);
        EXPECT_EQ(result.status, c.status) << c.err_start;
        EXPECT_TRUE(result.err.starts_with("kiova-tool: " + c.err_start)) << result.err;
        // One line, and the usage line after a usage error.
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), c.status) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out_));
}

}  // namespace
}  // namespace kiova
