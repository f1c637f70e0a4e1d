// The balloon printed on a terminal: an answer of N letters handed over letter by letter, as
// it plays (each letter printed at once), and as a pipe gets it (printed whole at the end).
// The cost per letter stays flat as N grows: printing is linear in the answer's length. Then
// the whole terminal view over the front end with a greeting of N letters or N output
// commands, skipped with Enter and played a unit per tick.
#include <benchmark/benchmark.h>

#include <memory>

#include "BalloonPrinter.h"
#include "ConsoleView.h"
#include "FrontEnd.h"
#include "LongGreeter.h"
#include "RecordingView.h"
#include "StringSink.h"

namespace kiova {
namespace {

void PrintLetterByLetter(benchmark::State& state, bool live) {
    const auto letters = static_cast<size_t>(state.range(0));
    for (auto _ : state) {
        testing::TStringSink sink;
        TBalloonPrinter printer(sink, live);
        printer.Show(u"");
        for (size_t i = 0; i < letters; ++i) printer.Append(i % 40 == 39 ? u"\r\n" : u"x");
        printer.EndLine();
        benchmark::DoNotOptimize(sink.text.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_AnswerPrintedOnATerminal(benchmark::State& state) {
    PrintLetterByLetter(state, true);
}
BENCHMARK(BM_AnswerPrintedOnATerminal)->Arg(1 << 12)->Arg(1 << 15)->Arg(1 << 20);

void BM_AnswerPrintedToAPipe(benchmark::State& state) {
    PrintLetterByLetter(state, false);
}
BENCHMARK(BM_AnswerPrintedToAPipe)->Arg(1 << 12)->Arg(1 << 15)->Arg(1 << 20);

// The terminal view on a terminal (each change printed at once) with the long greeting just
// started, ticked by hand; no input is read.
struct TGreetingTerminal {
    explicit TGreetingTerminal(const TLongGreeter& character)
        : printer(sink, true),
          input(-1),
          terminal(printer, input, -1, true),
          view(terminal, false),
          front_end({character.Path(), character.Path() + "kiova.log"}, view, sound, timer) {
        view.Attach(front_end);
        front_end.Start(character.package);
    }
    ~TGreetingTerminal() { front_end.Shutdown(); }
    TGreetingTerminal(const TGreetingTerminal&) = delete;
    TGreetingTerminal& operator=(const TGreetingTerminal&) = delete;

    testing::TStringSink sink;
    TBalloonPrinter printer;
    TLineInput input;
    TConsoleTerminal terminal;
    TConsoleView view;
    testing::TManualTimer timer;
    testing::TRecordingSound sound;
    TFrontEnd front_end;
};

void BM_SkippedAnswerOnATerminal(benchmark::State& state) {
    TimeGreeting<TGreetingTerminal>(
        state, [](TGreetingTerminal& terminal) { terminal.front_end.Enter(); });
}
BENCHMARK(BM_SkippedAnswerOnATerminal)
    ->ArgNames({"units", "commands"})
    ->ArgsProduct({{1 << 15, 1 << 20}, {0}})
    ->ArgsProduct({{1 << 12, 1 << 15, 1 << 17, 1 << 20}, {1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_PlayedAnswerOnATerminal(benchmark::State& state) {
    TimeGreeting<TGreetingTerminal>(state, [](TGreetingTerminal& terminal) {
        while (terminal.front_end.Player().State() == TBalloonState::bsResponding)
            terminal.timer.Fire();
    });
}
BENCHMARK(BM_PlayedAnswerOnATerminal)
    ->ArgNames({"units", "commands"})
    ->ArgsProduct({{1 << 12, 1 << 15, 1 << 17}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace kiova
