#include <gtest/gtest.h>

#include "CodePage.h"
#include "Files.h"
#include "TempFolder.h"

namespace kiova {
namespace {

using testing::TempFolder;

TEST(NativePath, ResolvesWindowsWrittenPaths) {
    TempFolder dir;
    dir.Write("Data/Pictures/Smile.BMP", "x");
    dir.Write("Data/Pictures/smile.bmp", "exact");
    const std::string base = dir.Path().string();

    // Backslashes delimit; an element that does not exist as written is found ignoring case.
    EXPECT_EQ(NativePath(base + "\\DATA\\pictures\\SMILE.bmp"),
              dir.Path() / "Data" / "Pictures" / "Smile.BMP");
    // An exact match wins over a case-insensitive one.
    EXPECT_EQ(NativePath(base + "/data/pictures/smile.bmp"),
              dir.Path() / "Data" / "Pictures" / "smile.bmp");
    // Nothing matches: the path stays as written, so the caller sees a missing file.
    EXPECT_EQ(NativePath(base + "/data/none.bmp"), dir.Path() / "Data" / "none.bmp");
    EXPECT_TRUE(FileExists(base + "\\data\\PICTURES\\smile.BMP"));
    EXPECT_FALSE(FileExists(base + "/data"));  // a folder is no file
    EXPECT_FALSE(FileExists(""));
}

TEST(Files, AtomicWritesReplaceWholeFilesAndLeaveNothingBehind) {
    TempFolder dir;
    const std::string path = dir / "state.kts";
    WriteFileAtomically(path, "first");
    WriteFileAtomically(path, "second\r\n");
    EXPECT_EQ(dir.Read("state.kts"), "second\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    EXPECT_THROW(WriteFileAtomically(dir / "missing/folder/x", "y"), std::runtime_error);

    AppendToFile(path, "more");
    EXPECT_EQ(dir.Read("state.kts"), "second\r\nmore");
}

TEST(Files, ReadFirstLineAndDelete) {
    TempFolder dir;
    const std::string path = dir.Write("Result.txt", "answer\r\nrest\r\n");
    EXPECT_EQ(ReadFirstLineAndDelete(path), "answer");
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(ReadFirstLineAndDelete(path), "");
    dir.Write("empty.txt", "");
    EXPECT_EQ(ReadFirstLineAndDelete(dir / "empty.txt"), "");
    EXPECT_FALSE(FileExists(dir / "empty.txt"));
}

TEST(Files, FolderPartsOfNativePaths) {
    EXPECT_EQ(ExtractFilePath("C:\\chars\\alice.ktc"), "C:\\chars\\");
    EXPECT_EQ(ExtractFilePath("/home/a/b.ktc"), "/home/a/");
    EXPECT_EQ(ExtractFilePath("b.ktc"), "");
    // A native path is UTF-8: "ā" (0xC4 0x81) ends in a Shift_JIS lead byte, which leads nothing.
    EXPECT_EQ(ExtractFilePath("/home/jos\xC4\x81/z.ktc"), "/home/jos\xC4\x81/");
    EXPECT_EQ(IncludeTrailingDelimiter("/home/jos\xC4\x81"), "/home/jos\xC4\x81/");
    EXPECT_EQ(IncludeTrailingDelimiter("data\\"), "data\\");
    EXPECT_EQ(IncludeTrailingDelimiter(""), "");
}

// A Shift_JIS name in character data is converted, "ソ" (0x83 0x5C) staying one letter.
TEST(Files, NamesInCharacterDataComeFromTheirCodePage) {
    testing::TempFolder dir;
    dir.Write("josé🐱/ソ/a.txt", "x");
    const std::string folder = dir / "josé🐱/";
    EXPECT_EQ(PathInside(folder, "\x83\x5C\\A.TXT", 932), folder + "ソ/a.txt");
    EXPECT_EQ(PathInside(folder, "ソ/a.txt", kUtf8CodePage), folder + "ソ/a.txt");
}

}  // namespace
}  // namespace kiova
