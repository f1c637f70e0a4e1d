// What an atomic write promises: the target is replaced whole by a new file, never written in
// place, never through a planted link, and a failed or killed save leaves the previous file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "Files.h"
#include "TempFolder.h"

namespace kiova {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

ino_t InodeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0);
    return status.st_ino;
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The id of a process that has ended.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(AtomicWrite, ReplacesTheFileByANewOneThatOldReadersDoNotSee) {
    TempFolder dir;
    const std::string path = dir.Write("hina.kts", "old contents");
    const ino_t before = InodeOf(path);
    std::ifstream old_reader(path, std::ios::binary);

    WriteFileAtomically(path, "new contents, longer than the old");

    EXPECT_NE(InodeOf(path), before);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old_reader), {}), "old contents");
    EXPECT_EQ(dir.Read("hina.kts"), "new contents, longer than the old");
    EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"hina.kts"});
}

TEST(AtomicWrite, AWriteThatFailsMidwayLeavesThePreviousFileWhole) {
    TempFolder dir;
    const std::string previous(4096, 'p');
    const std::string path = dir.Write("hina.kts", previous);

    // The file-size limit makes the write fail after 1 KB; in a child, so the limit stays there.
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            WriteFileAtomically(path, std::string(1 << 20, 'n'));
        } catch (const std::runtime_error&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was reported as success";

    EXPECT_EQ(dir.Read("hina.kts"), previous);
    EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"hina.kts"});
}

TEST(AtomicWrite, PlantedLinksAreNeverWrittenThrough) {
    TempFolder dir;
    const std::string victim = dir.Write("victim", "precious");
    const std::string other_victim = dir.Write("other", "also precious");
    fs::create_directory(dir.Path() / "hina");
    const std::string path = dir / "hina/hina.kts";
    // A link named like the temporary file of this process, and the target itself a link.
    const std::string planted = path + ".tmp" + std::to_string(::getpid());
    fs::create_symlink(victim, planted);
    fs::create_symlink(other_victim, path);

    WriteFileAtomically(path, "state");

    EXPECT_EQ(dir.Read("victim"), "precious");
    EXPECT_EQ(dir.Read("other"), "also precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
    EXPECT_EQ(dir.Read("hina/hina.kts"), "state");
}

TEST(AtomicWrite, ASaveRemovesWhatKilledSavesOfTheSameFileLeft) {
    TempFolder dir;
    const std::string path = dir.Write("hina.kts", "old");
    const std::string dead = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getppid());
    for (const std::string& name : std::initializer_list<std::string>{
             "hina.kts.tmp" + dead, "hina.kts.tmp" + dead + "-0badf00d",    // killed saves
             "hina.kts.tmp" + running + "-12345678",                        // a save under way
             "other.kts.tmp" + dead, "hina.kts.tmpnotes", "hina.kts.tmp"})  // not this file's
        dir.Write(name, "left over");

    WriteFileAtomically(path, "new");

    EXPECT_EQ(Names(dir.Path()),
              (std::set<std::string>{"hina.kts", "hina.kts.tmp" + running + "-12345678",
                                     "other.kts.tmp" + dead, "hina.kts.tmpnotes", "hina.kts.tmp"}));
}

}  // namespace
}  // namespace kiova
