// Playing a sound file named by an answer.
#pragma once

#include <filesystem>

namespace kiova {

class TSoundOutput {
public:
    virtual ~TSoundOutput() = default;
    // Starts `file` and returns at once, or, with `wait`, returns when it has played. A new
    // sound replaces one still playing. A missing or unplayable file is silent.
    virtual void Play(const std::filesystem::path& file, bool wait) = 0;
};

}  // namespace kiova
