// A character whose greeting is long, for the front ends' benchmarks: N units in lines of 40,
// each a letter, or a letter and an output command (waits, pauses, shown text, a letter taken
// back).
#pragma once

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Files.h"
#include "TempFolder.h"
#include "TestCharacters.h"

namespace kiova {

enum class EGreeting { kLetters, kCommands };

inline std::string LongGreeting(size_t units, EGreeting kind) {
    static constexpr const char* kCommands[] = {"{DELAY:1}", "{...}", "{$:y}", "{^H}"};
    std::string greeting;
    for (size_t i = 0; i < units; ++i) {
        if (i % 40 == 39)
            greeting += "{BR}";
        else if (kind == EGreeting::kCommands)
            greeting += std::string("x") + kCommands[i % 4];
        else
            greeting += "x";
    }
    return greeting;
}

struct TLongGreeter {
    TLongGreeter(size_t units, EGreeting kind) {
        folder.Write("Kiova.ini",
                     "[Log]\r\nKeep=0\r\n[User]\r\nUser=a{BR}b{BR}c{BR}d{BR}{BR}1980/05/05\r\n");
        package = testing::WriteCharacter(
            folder,
            {"Alice", {{"{EQ{OPERATEMESSAGE}|KCCALLED}", LongGreeting(units, kind)}}, {}, {}});
    }
    std::string Path() const { return PathText(folder.Path()) + "/"; }
    testing::TempFolder folder;
    std::string package;
};

// Runs `play` on a fresh `Shown` (a front end over a view, made from the character) whose
// greeting of N letters (or N commands, when the second argument is 1) has just started; only
// `play` is timed.
template <class Shown, class Play>
void TimeGreeting(benchmark::State& state, Play play) {
    TLongGreeter character(static_cast<size_t>(state.range(0)),
                           state.range(1) != 0 ? EGreeting::kCommands : EGreeting::kLetters);
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<Shown>(character);
        state.ResumeTiming();
        play(*shown);
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace kiova
