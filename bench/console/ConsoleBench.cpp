// The balloon printed on a terminal: an answer of N letters handed over letter by letter, as
// it plays (each letter printed at once), and as a pipe gets it (printed whole at the end).
// The cost per letter stays flat as N grows: printing is linear in the answer's length.
#include <benchmark/benchmark.h>

#include "BalloonPrinter.h"
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

}  // namespace
}  // namespace kiova
