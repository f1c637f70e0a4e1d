// The conversation log's cost per entry as the log grows (it is appended to, not rewritten,
// shown beside the cost of rewriting it whole), and a whole turn through the player: Enter
// sends a typed line, the answer of N letters is played out by a second Enter.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "ChatLog.h"
#include "Clock.h"
#include "Files.h"
#include "FrontEnd.h"
#include "RecordingView.h"
#include "TempFolder.h"
#include "TestCharacters.h"
#include "TextUtils.h"

namespace kiova {
namespace {
using testing::TempFolder;

std::string LogOfLines(int lines) {
    std::string contents;
    for (int i = 0; i < lines; ++i)
        contents += "Entry number " + std::to_string(i) + " of the log\r\n";
    return contents;
}

void BM_ChatLogAppend(benchmark::State& state) {
    TempFolder folder;
    std::string path = folder.Write("chat.log", LogOfLines(static_cast<int>(state.range(0))));
    TChatLog log(path);
    for (auto _ : state) log.Write("Hello there, this is one more entry");
}
BENCHMARK(BM_ChatLogAppend)->Arg(1000)->Arg(100000);

// What each entry cost when the whole file was read and written back.
void BM_ChatLogRewrite(benchmark::State& state) {
    TempFolder folder;
    std::string path = folder.Write("chat.log", LogOfLines(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        std::vector<std::string> lines = ReadFileLines(path);
        lines.push_back("Hello there, this is one more entry");
        WriteFileAtomically(path, JoinLinesCrLf(lines));
    }
}
BENCHMARK(BM_ChatLogRewrite)->Arg(1000)->Arg(100000);

void BM_TurnThroughThePlayer(benchmark::State& state) {
    TempFolder folder;
    SetClock(std::make_shared<TFixedClock>(45356.5, 45356.5));
    folder.Write("Kiova.ini",
                 "[Log]\r\nKeep=0\r\n[User]\r\nUser=a{BR}b{BR}c{BR}d{BR}{BR}1980/05/05\r\n");
    std::string answer;
    for (int i = 0; static_cast<int>(answer.size()) < state.range(0); ++i)
        answer += i % 40 == 39 ? "{BR}" : "x";
    std::string package = testing::WriteCharacter(
        folder, {"Alice", {{"{EQ{OPERATEMESSAGE}|KCCALLED}", "Hi"}}, {{"HELLO", answer}}, {}});
    testing::TRecordingView view;
    testing::TManualTimer timer;
    testing::TRecordingSound sound;
    std::string program_folder = PathText(folder.Path()) + "/";
    TFrontEnd front_end({program_folder, program_folder + "chat.log"}, view, sound, timer);
    front_end.Start(package);
    front_end.Enter();  // the greeting at once
    for (auto _ : state) {
        front_end.Enter();  // answered: open the balloon
        view.balloon_text = u"hello";
        front_end.Enter();  // send the line
        front_end.Enter();  // play the answer out
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    SetClock(nullptr);
}
BENCHMARK(BM_TurnThroughThePlayer)->Arg(100)->Arg(1000)->Arg(10000)->Arg(1 << 20);

}  // namespace
}  // namespace kiova
