// The host's cost per plug-in call: conversions to and from UTF-8 and the strings handed back.
#include <benchmark/benchmark.h>

#include <string>

#include "PluginList.h"

namespace kiova {
namespace {

void BM_ExpandTag(benchmark::State& state) {
    TPluginList list(KIOVA_PROGRAM_DIR "/");
    if (!list.AddPlugin("dice")) state.SkipWithError("dice plug-in not built");
    for (auto _ : state) benchmark::DoNotOptimize(list.ExpandTag("Dice.Roll:2d6"));
}
BENCHMARK(BM_ExpandTag);

// An event through plug-ins that leave it alone, for answers of growing length.
void BM_FireEvent(benchmark::State& state) {
    TPluginList list(KIOVA_PROGRAM_DIR "/");
    for (int i = 0; i < 2; ++i)
        if (!list.AddPlugin("failing")) state.SkipWithError("failing plug-in not built");
    std::string answer(static_cast<size_t>(state.range(0)), 'a');
    for (auto _ : state) {
        std::string event_name = "KE_EndThink";
        std::string data = answer;
        list.FireEvent(event_name, data);
        benchmark::DoNotOptimize(data);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FireEvent)->Arg(64)->Arg(4096);

}  // namespace
}  // namespace kiova
