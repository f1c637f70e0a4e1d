#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <system_error>

#include "SusiePlugInList.h"
#include "TestPictures.h"

namespace kiova {
namespace {

namespace fs = std::filesystem;
using Paths = std::vector<fs::path>;

constexpr QRgb kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

// How many calls the loaded fake decoder at `path` has received; -1 when it is not loaded.
int CallsOf(const fs::path& path) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!library) return -1;
    const int calls = *static_cast<int*>(dlsym(library, "fake_spi_calls"));
    dlclose(library);
    return calls;
}

class SusiePlugInListTest : public testing::Test {
protected:
    // A private copy of a fake decoder, so each test loads it afresh with its counter at zero.
    fs::path Copy(const std::string& fake, const fs::path& as = {}) {
        const fs::path target = folder_.Path() / (as.empty() ? fs::path(fake + ".spi") : as);
        fs::copy_file(fs::path(KIOVA_TEST_SPI_DIR) / (fake + ".spi"), target);
        return target;
    }
    bool Decode(std::string_view bytes) {
        return list_.LoadFromMemory(test::AsBytes(bytes), bitmap_);
    }
    Paths ListedPaths() const {
        Paths paths;
        for (int i = 0; i < list_.Count(); ++i) paths.push_back(list_[i].Path());
        return paths;
    }

    test::TempFolder folder_;
    TSusiePlugInList list_;
    QImage bitmap_;
};

TEST_F(SusiePlugInListTest, AddReadsTheInformationTexts) {
    ASSERT_TRUE(list_.Add(Copy("red")));
    EXPECT_EQ(list_[0].Version(), "00IN");
    EXPECT_EQ(list_[0].Description(), "Fake decoder");
    EXPECT_EQ(list_[0].Extensions(), "*.FAKE;*.FK");
    EXPECT_EQ(list_[0].TypeName(), "Fake pictures");
    EXPECT_TRUE(list_[0].CanDecode());
}

TEST_F(SusiePlugInListTest, InsertPlacesAtTheIndexAndRefusesDuplicatesAndNonLibraries) {
    const fs::path red = Copy("red"), blue = Copy("blue"), archive = Copy("archive");
    ASSERT_TRUE(list_.Add(red));
    ASSERT_TRUE(list_.AddPlugIn(blue));
    ASSERT_TRUE(list_.Insert(1, archive));
    EXPECT_FALSE(list_.Add(red));
    EXPECT_FALSE(list_.Insert(0, blue));
    EXPECT_FALSE(list_.Add(folder_.Path() / "missing.spi"));
    EXPECT_FALSE(list_.Add(folder_.Write("text.spi", test::AsBytes("not a library"))));
    EXPECT_THROW(list_.Insert(4, Copy("failing")), std::out_of_range);
    EXPECT_THROW(list_.Insert(-1, Copy("noinfo")), std::out_of_range);
    EXPECT_EQ(ListedPaths(), (Paths{red, archive, blue}));
}

TEST_F(SusiePlugInListTest, AddFolderTakesSpiFilesInListingOrderOnce) {
    Copy("red");
    Copy("blue", "BLUE.SPI");
    Copy("archive");
    Copy("noinfo");
    Copy("failing", "failing.spi.bak");
    folder_.Write("broken.spi", test::AsBytes("not a library"));
    fs::create_directory(folder_.Path() / "folder.spi");

    EXPECT_EQ(list_.AddFolder(folder_.Path()), 4);
    Paths listed;
    for (const auto& entry : fs::directory_iterator(folder_.Path())) {
        const fs::path name = entry.path().filename();
        for (const char* added : {"red.spi", "BLUE.SPI", "archive.spi", "noinfo.spi"}) {
            if (name == added) listed.push_back(entry.path());
        }
    }
    EXPECT_EQ(ListedPaths(), listed);
    EXPECT_EQ(list_.AddFolder(folder_.Path()), 0);
    EXPECT_EQ(list_.AddFolder(folder_.Path() / "missing"), 0);
}

TEST_F(SusiePlugInListTest, LibrariesWithoutTheImageInterfaceAreKeptButNeverAsked) {
    const fs::path archive = Copy("archive"), noinfo = Copy("noinfo"), red = Copy("red");
    for (const fs::path& path : {archive, noinfo, red}) ASSERT_TRUE(list_.Add(path));
    EXPECT_EQ(list_[0].Version(), "00AM");
    EXPECT_EQ(list_[1].Version(), "");
    EXPECT_FALSE(list_[0].CanDecode() || list_[1].CanDecode());

    ASSERT_TRUE(Decode("FAKE picture"));
    EXPECT_EQ(bitmap_.pixel(0, 0), kRed);
    EXPECT_EQ(CallsOf(archive), 0);
    EXPECT_EQ(CallsOf(noinfo), 0);
    EXPECT_EQ(CallsOf(red), 2);  // IsSupported, GetPicture
}

TEST_F(SusiePlugInListTest, FirstThatAcceptsAndDecodesWins) {
    const fs::path failing = Copy("failing"), blue = Copy("blue"), red = Copy("red");
    for (const fs::path& path : {failing, blue, red}) ASSERT_TRUE(list_.Add(path));
    ASSERT_TRUE(Decode("FAKE"));  // shorter than the head decoders may read
    EXPECT_EQ(test::PixelsOf(bitmap_), test::Pixels{{kBlue}});
    EXPECT_EQ(CallsOf(failing), 2);
    EXPECT_EQ(CallsOf(red), 0);
}

TEST_F(SusiePlugInListTest, NothingDecodedLeavesTheBitmap) {
    bitmap_ = QImage(2, 2, QImage::Format_RGB32);
    bitmap_.fill(0xFF445566);
    EXPECT_FALSE(Decode("FAKE"));  // empty list
    ASSERT_TRUE(list_.Add(Copy("red")));
    EXPECT_FALSE(Decode("JPEG? no"));
    EXPECT_FALSE(Decode(""));
    EXPECT_EQ(bitmap_.size(), QSize(2, 2));
    EXPECT_EQ(bitmap_.pixel(1, 1), 0xFF445566);
}

TEST_F(SusiePlugInListTest, DeletingTheLastEntriesUnloadsExactlyThose) {
    const fs::path red = Copy("red"), blue = Copy("blue");
    ASSERT_TRUE(list_.Add(red));
    ASSERT_TRUE(list_.Add(blue));
    const fs::path own = folder_.Path() / "character";
    fs::create_directory(own);
    Copy("archive", "character/a.spi");
    Copy("failing", "character/b.spi");
    const int added = list_.AddFolder(own);
    ASSERT_EQ(added, 2);
    for (int i = 0; i < added; ++i) list_.Delete(list_.Count() - 1);
    list_.Delete(2);
    list_.Delete(-1);
    EXPECT_EQ(ListedPaths(), (Paths{red, blue}));
    EXPECT_EQ(CallsOf(own / "a.spi"), -1);
    EXPECT_EQ(CallsOf(own / "b.spi"), -1);
}

TEST_F(SusiePlugInListTest, DestroyingTheListUnloadsEveryLibrary) {
    const fs::path red = Copy("red");
    auto list = std::make_unique<TSusiePlugInList>();
    ASSERT_TRUE(list->Add(red));
    EXPECT_EQ(CallsOf(red), 0);
    list.reset();
    EXPECT_EQ(CallsOf(red), -1);
}

TEST_F(SusiePlugInListTest, ProgressReachesTheHandler) {
    ASSERT_TRUE(list_.Add(Copy("red")));
    ASSERT_TRUE(Decode("FAKE"));  // no handler set
    std::vector<std::pair<int, int>> reports;
    list_.SetOnProgress([&](TSusiePlugInList& list, int numerator, int denominator) {
        EXPECT_EQ(&list, &list_);
        reports.emplace_back(numerator, denominator);
    });
    ASSERT_TRUE(Decode("FAKE"));
    EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{1, 2}}));
}

TEST_F(SusiePlugInListTest, StreamsAndFiles) {
    ASSERT_TRUE(list_.Add(Copy("red")));
    QByteArray data("xxFAKE picture");
    QBuffer stream(&data);
    stream.open(QIODevice::ReadOnly);
    stream.seek(2);
    EXPECT_TRUE(list_.LoadFromStream(stream, 1000, bitmap_));  // the stream ends sooner
    stream.seek(0);
    EXPECT_FALSE(list_.LoadFromStream(stream, 6, bitmap_));  // "xxFAKE"
    EXPECT_FALSE(list_.LoadFromStream(stream, -1, bitmap_));

    bitmap_ = QImage();
    EXPECT_TRUE(list_.LoadFromFile(folder_.Write("pic.fake", test::AsBytes("FAKE")), bitmap_));
    EXPECT_EQ(bitmap_.pixel(0, 0), kRed);
    EXPECT_THROW(list_.LoadFromFile(folder_.Path() / "gone.fake", bitmap_), std::system_error);
}

}  // namespace
}  // namespace kiova
