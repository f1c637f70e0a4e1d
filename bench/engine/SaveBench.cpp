// Saving a character's state file: 150 enciphered lines written through a temporary file,
// flushed to disk and renamed into place. Small (short texts) and large (50 texts of 100 KB).
#include <benchmark/benchmark.h>

#include <string>

#include "Character.h"
#include "TestCharacter.h"

namespace kiova {
namespace {

void BM_SaveState(benchmark::State& state) {
    testing::TestCharacter files("Benchmark", "save");
    files.Data("datac2", "plain.txt", {"Hello"});
    TCharacter character(files.Write());
    const size_t text_size = static_cast<size_t>(state.range(0));
    for (int i = TCharacterVariables::kFirstPersistent; i < TCharacterVariables::kCount; ++i) {
        character.Variables().strings[i] = std::string(text_size, static_cast<char>('a' + i % 26));
        character.Variables().numbers[i] = i * 1.5;
        character.Variables().flags[i] = i % 2 == 0;
    }
    for (auto _ : state) character.SaveState();
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text_size) *
                            TCharacterVariables::kPersistentCount);
}
BENCHMARK(BM_SaveState)->Arg(20)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kiova
