// TSoundOutput through SDL2 audio: the WAV sound is decoded and queued on an output device that
// is opened in its own format. SDL is initialised at the first sound.
#pragma once

#include <SDL.h>

#include "SoundOutput.h"

namespace kiova {

class TSdlSound final : public TSoundOutput {
public:
    TSdlSound() = default;
    ~TSdlSound() override;
    TSdlSound(const TSdlSound&) = delete;
    TSdlSound& operator=(const TSdlSound&) = delete;

    int Play(std::string_view wav) override;
    // True while queued sound is still waiting to be played.
    bool Playing() const;

private:
    bool Initialise();
    bool OpenDevice(const SDL_AudioSpec& format);

    bool initialised_ = false;
    bool unavailable_ = false;  // SDL audio could not start: every sound is silent
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec format_{};
};

}  // namespace kiova
