// A character whose greeting is long, for the front ends' benchmarks: N units in lines of 40,
// each a letter, or a letter and an output command (waits, pauses, shown text, a letter taken
// back).
#pragma once

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

}  // namespace kiova
