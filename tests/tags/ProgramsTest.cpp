// The pieces under the delegation tags: command-line splitting, the argument vector, what
// "SHELL:" may open, the default opener, started programs and the hand-over queue.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "ChildProcess.h"
#include "CodePage.h"
#include "CommandLine.h"
#include "Delegation.h"
#include "HandOverQueue.h"
#include "OpenDocument.h"
#include "TempFolder.h"

namespace kiova {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(CommandLine, SplitsTheWayTheWindowsRuntimeDoes) {
    const struct {
        std::u16string_view line;
        std::vector<std::u16string> expected;
    } cases[] = {
        {u"", {}},
        {u"  \t ", {}},
        {u"a b\tc", {u"a", u"b", u"c"}},
        {u"  tokyo  ", {u"tokyo"}},
        {uR"("two words" x)", {u"two words", u"x"}},
        {uR"(a"b c"d e)", {u"ab cd", u"e"}},
        {uR"("" x "")", {u"", u"x", u""}},
        {uR"(a\"b)", {u"a\"b"}},        // 2n+1 backslashes: a literal quote
        {uR"(a\\"b c")", {u"a\\b c"}},  // 2n backslashes: the quote groups
        {uR"(a\\\\"b")", {u"a\\\\b"}},
        {uR"(C:\dir\ x\\)", {u"C:\\dir\\", u"x\\\\"}},  // other backslashes are literal
        {uR"("a""b" c)", {u"a\"b", u"c"}},              // "" inside quotes is one quote
        {uR"("unclosed x)", {u"unclosed x"}},
        {u"日本 語", {u"日本", u"語"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.expected) << Utf16ToUtf8(c.line);
}

TEST(EntrustArguments, ProgramAndResultFileLiveInTheDataFolder) {
    TempFolder dir;
    const std::string folder = dir / "my data" + "/";
    fs::create_directories(folder + "Bin");
    std::ofstream(folder + "weather.exe") << "";
    std::ofstream(folder + "Bin/Tool") << "";
    dir.Write("outside", "");
    EXPECT_EQ(EntrustArguments(folder, u"weather.exe", u"tokyo \"new york\""),
              (std::vector<std::string>{folder + "weather.exe", folder + "Result.txt", "tokyo",
                                        "new york"}));
    // Windows-written paths: backslashes, and letter case matched in the folder.
    EXPECT_EQ(EntrustArguments(folder, u"bin\\tool", u"")->at(0), folder + "Bin/Tool");
    EXPECT_EQ(EntrustArguments(folder, u"Bin/Tool", u"日本")->at(2), "日本");
    // Only a regular file inside the data folder runs.
    for (std::u16string program : {u"../outside", u"Bin\\..\\..\\outside", u"/usr/bin/touch",
                                   u"../../../../usr/bin/touch", u"Bin", u"missing"})
        EXPECT_EQ(EntrustArguments(folder, program, u""), std::nullopt) << Utf16ToUtf8(program);
}

TEST(ShellTarget, RefusesWhatWouldRunAProgram) {
    TempFolder dir;
    const std::string folder = dir.Path().string() + "/";
    dir.Write("doc.txt", "x");
    const std::string tool = dir.Write("tool", "#!/bin/sh\n");
    fs::permissions(tool, fs::perms::group_exec, fs::perm_options::add);
    dir.Write("sub dir/page.html", "x");

    const struct {
        std::u16string text;
        std::optional<std::string> expected;
    } cases[] = {
        {u"doc.txt", folder + "doc.txt"},
        {u"sub dir\\page.html", folder + "sub dir/page.html"},
        {u"sub dir", folder + "sub dir"},                        // folders open
        {u"missing.txt", folder + "missing.txt"},                // the opener reports the failure
        {Utf8ToUtf16(folder) + u"doc.txt", folder + "doc.txt"},  // absolute
        {u"http://example.com/x.exe", std::nullopt},             // ends in ".exe"
        {u"http://example.com/x.exe?y", "http://example.com/x.exe?y"},
        {u"https://example.com/page", "https://example.com/page"},
        {u"mailto:someone@example.com", "mailto:someone@example.com"},
        {u"tool", std::nullopt},  // any execute bit
        {u"TOOL.EXE", std::nullopt},
        {u"a.exe\\b.txt", folder + "a.exe/b.txt"},  // only the last element counts
        {u"x.Desktop", std::nullopt},
        {u"file://" + Utf8ToUtf16(folder) + u"tool", std::nullopt},
        {u"FILE:" + Utf8ToUtf16(folder) + u"%74ool", std::nullopt},
        {u"file://localhost" + Utf8ToUtf16(folder) + u"doc.txt",
         "file://localhost" + folder + "doc.txt"},
        // A query or a fragment is no part of the path the opener opens.
        {u"file://" + Utf8ToUtf16(folder) + u"tool#x", std::nullopt},
        {u"file://" + Utf8ToUtf16(folder) + u"tool?x", std::nullopt},
        {u"file:" + Utf8ToUtf16(folder) + u"app.desktop#y", std::nullopt},
        {u"file:" + Utf8ToUtf16(folder) + u"APP.EXE?y#z", std::nullopt},
        {u"file:///bin/sh#x", std::nullopt},
        {u"file://" + Utf8ToUtf16(folder) + u"doc.txt#part", "file://" + folder + "doc.txt#part"},
        {u"file://" + Utf8ToUtf16(folder) + u"to%6Fl%23x", "file://" + folder + "to%6Fl%23x"},
        {u"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShellTarget(c.text, folder), c.expected) << Utf16ToUtf8(c.text);
}

// Puts the test's answer program on PATH as "xdg-open": it writes to the path it is given and
// exits 0, or exits 1 when it cannot.
class DefaultOpener : public ::testing::Test {
protected:
    DefaultOpener() : saved_path_(std::getenv("PATH")) {
        fs::copy_file(KIOVA_ANSWER_HELPER, dir_ / "xdg-open");
        ::setenv("PATH", dir_.Path().c_str(), 1);
    }
    ~DefaultOpener() override { ::setenv("PATH", saved_path_.c_str(), 1); }

    TempFolder dir_;
    std::string saved_path_;
};

TEST_F(DefaultOpener, SucceedsWhenXdgOpenExitsWithZero) {
    EXPECT_TRUE(OpenWithXdgOpen(dir_ / "opened file"));
    EXPECT_TRUE(fs::exists(dir_ / "opened file"));
    EXPECT_FALSE(OpenWithXdgOpen(dir_ / "no such folder/x"));
    ::setenv("PATH", "/nonexistent", 1);
    EXPECT_FALSE(OpenWithXdgOpen(dir_ / "x"));
}

TEST(ChildProcess, StartsWithoutAShellAndReportsTheEnd) {
    TempFolder dir;
    std::optional<TChildProcess> answer = StartHiddenProgram(
        {KIOVA_ANSWER_HELPER, dir / "out", "a;b", "$HOME"}, TProgramLookup::AsGiven);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->WaitForExit(), 0);
    EXPECT_TRUE(answer->HasEnded());
    EXPECT_EQ(dir.Read("out").substr(0, 11), "a;b|$HOME\r\n");

    EXPECT_FALSE(StartHiddenProgram({dir / "missing"}, TProgramLookup::AsGiven));
    EXPECT_FALSE(StartHiddenProgram({"answer"}, TProgramLookup::AsGiven));  // no PATH search
    EXPECT_FALSE(StartHiddenProgram({}, TProgramLookup::AsGiven));
}

TEST(HandOverQueue, RunsPostedCallsInOrderOnTheDrainingThread) {
    THandOverQueue queue;
    std::vector<int> ran;
    std::thread::id ran_on;
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i)
            queue.Post([&, i] {
                ran.push_back(i);
                ran_on = std::this_thread::get_id();
            });
    });
    worker.join();
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(queue.Drain(), 3);
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(ran_on, std::this_thread::get_id());
    EXPECT_EQ(queue.Drain(), 0);

    // A call posted while draining waits for the next drain.
    queue.Post([&] { queue.Post([&] { ran.push_back(9); }); });
    EXPECT_EQ(queue.Drain(), 1);
    EXPECT_EQ(queue.Drain(), 1);
    EXPECT_EQ(ran.back(), 9);
}

TEST(HandOverQueue, WakesTheOwnerOnEveryPost) {
    std::atomic<int> wake_ups = 0;
    THandOverQueue queue([&] { ++wake_ups; });
    queue.Post([] {});
    std::thread worker([&] { queue.Post([] {}); });
    worker.join();
    EXPECT_EQ(wake_ups, 2);
    EXPECT_EQ(queue.Drain(), 2);
}

}  // namespace
}  // namespace kiova
