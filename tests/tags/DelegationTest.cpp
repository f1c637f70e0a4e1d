// "ENTRUST", "ENDENTRUST", "RESULT", "SHELL:" and "ALLOWEXECUTE" through a real character, with
// real delegated programs copied into its data folder (whose name has a blank in it).
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "TagFixture.h"

namespace kiova::testing {
namespace {

namespace fs = std::filesystem;

class Delegation : public TagFixture {
protected:
    Delegation() {
        fs::copy_file(KIOVA_ANSWER_HELPER, DataFolder() + "answer");
        fs::copy_file(KIOVA_ENDLESS_HELPER, DataFolder() + "endless");
    }
    ~Delegation() override {
        Unload();
        for (pid_t pid : started_endless_) ::kill(pid, SIGKILL);
    }

    // Drains the hand-over queue, as the user-interface thread does, until "{ENDENTRUST}" says a
    // delegated program has ended. False when none does within a generous bound.
    bool WaitForEndEntrust() {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < give_up) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            hand_over_.Drain();
            if (Eval("{ENDENTRUST}") == "True") return true;
        }
        return false;
    }

    // The process id the endless program wrote; it is killed when the test ends.
    pid_t EndlessPid() {
        const std::string pid_file = DataFolder() + "endless.pid";
        while (!fs::exists(pid_file)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        pid_t pid = 0;
        std::ifstream(pid_file) >> pid;
        fs::remove(pid_file);
        started_endless_.push_back(pid);
        return pid;
    }

    std::vector<pid_t> started_endless_;
};

TEST_F(Delegation, NothingStartsWhileExecutionIsNotAllowed) {
    WriteData("readme.txt", "x");
    EXPECT_EQ(Eval("{ALLOWEXECUTE}|{SHELL:readme.txt}|{ENTRUSTanswer|a}"), "False|False|False");
    EXPECT_TRUE(opened_.empty());
    Character().SetAllowExecute(true);
    EXPECT_EQ(Eval("{ALLOWEXECUTE}"), "True");
}

TEST_F(Delegation, TheProgramGetsTheResultPathAndItsArgumentsAndItsEndIsReportedOnce) {
    Character().SetAllowExecute(true);
    EXPECT_EQ(Eval(R"({ENTRUSTanswer|tokyo "two words"  a\"b ""})"), "True");
    ASSERT_TRUE(WaitForEndEntrust());
    EXPECT_EQ(Eval("{ENDENTRUST}"), "False");

    const std::string result_file = DataFolder() + "Result.txt";
    std::ifstream result(result_file, std::ios::binary);
    std::string first_line, program;
    std::getline(result, first_line);
    std::getline(result, program);
    EXPECT_EQ(program, DataFolder() + "answer\r");
    result.close();

    EXPECT_EQ(Eval("{RESULT}"), "tokyo|two words|a\"b|");
    EXPECT_FALSE(fs::exists(result_file));
    EXPECT_EQ(Eval("{RESULT}"), "{RESULT}");
}

TEST_F(Delegation, AProgramThatCannotStartGivesFalse) {
    Character().SetAllowExecute(true);
    WriteData("plain.txt", "not a program");
    EXPECT_EQ(Eval("{ENTRUSTmissing|x}{ENTRUSTplain.txt|x}{ENTRUST|x}"), "FalseFalseFalse");
    EXPECT_EQ(Eval("{ENDENTRUST}"), "False");
}

TEST_F(Delegation, AnEndlessProgramKeepsTheFlagDownAndOutlivesTheCharacter) {
    Character().SetAllowExecute(true);
    EXPECT_EQ(Eval("{ENTRUSTendless|}"), "True");
    const pid_t pid = EndlessPid();
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    hand_over_.Drain();
    EXPECT_EQ(Eval("{ENDENTRUST}"), "False");
    Unload();  // stops watching; returns although the program runs on
    EXPECT_EQ(::kill(pid, 0), 0);
}

TEST_F(Delegation, ASecondDelegationReplacesTheFirst) {
    Character().SetAllowExecute(true);
    EXPECT_EQ(Eval("{ENTRUSTendless|}{ENTRUSTanswer|second}"), "TrueTrue");
    EXPECT_EQ(::kill(EndlessPid(), 0), 0);  // the first runs on, unwatched
    // The stopped watcher's report was cleared by the second start: only the second counts.
    EXPECT_EQ(Eval("{ENDENTRUST}"), "False");
    ASSERT_TRUE(WaitForEndEntrust());
    EXPECT_EQ(Eval("{RESULT}"), "second");
}

TEST_F(Delegation, AFailedSecondStartLeavesTheStoppedWatchersReport) {
    Character().SetAllowExecute(true);
    EXPECT_EQ(Eval("{ENTRUSTendless|}{ENTRUSTmissing|x}"), "TrueFalse");
    EndlessPid();
    EXPECT_EQ(Eval("{ENDENTRUST}|{ENDENTRUST}"), "True|False");
}

TEST_F(Delegation, OnlyProgramsInsideTheDataFolderRun) {
    std::vector<std::string> reports;
    report_problem_ = [&reports](std::string_view message) { reports.emplace_back(message); };
    Character().SetAllowExecute(true);
    const std::string touched = package_.Folder() / "touched";
    EXPECT_EQ(Eval("{ENTRUST../../../../../../../../usr/bin/touch|" + touched + "}"), "False");
    EXPECT_EQ(Eval("{ENTRUST/usr/bin/touch|" + touched + "}"), "False");
    EXPECT_EQ(Eval("{ENDENTRUST}"), "False");
    EXPECT_FALSE(fs::exists(touched));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("../usr/bin/touch"), std::string::npos) << reports[0];
    EXPECT_NE(reports[1].find("/usr/bin/touch"), std::string::npos) << reports[1];
}

TEST_F(Delegation, ShellOpensDocumentsButNeverPrograms) {
    Character().SetAllowExecute(true);
    WriteData("readme.txt", "x");
    const std::string script = WriteData("run.sh", "#!/bin/sh\n");
    fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
    const TagCase cases[] = {
        {"{SHELL:readme.txt}", "True"},
        {"{SHELL:https://example.com/a b?c=d}", "True"},
        {"{SHELL:tool.exe}{SHELL:TOOL.Exe}{SHELL:x.EXE}", "FalseFalseFalse"},
        {"{SHELL:app.desktop}{SHELL:run.sh}{SHELL:answer}{SHELL:}", "FalseFalseFalseFalse"},
    };
    ExpectTagCases(cases);
    EXPECT_EQ(opened_, (std::vector<std::string>{DataFolder() + "readme.txt",
                                                 "https://example.com/a b?c=d"}));
    open_succeeds_ = false;
    EXPECT_EQ(Eval("{SHELL:readme.txt}"), "False");
}

}  // namespace
}  // namespace kiova::testing
