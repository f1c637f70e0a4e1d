// Playing a sound file named by an answer.
#pragma once

#include <string_view>

namespace kiova {

class TSoundOutput {
public:
    virtual ~TSoundOutput() = default;
    // Starts the WAV sound `wav` (a whole file's bytes), replacing one still playing, and
    // returns at once: how long it lasts in milliseconds. An unplayable sound is silent and
    // lasts 0.
    virtual int Play(std::string_view wav) = 0;
};

}  // namespace kiova
