// TSoundOutput through SDL2 audio: the WAV file is decoded and queued on an output device that
// is opened in the file's own format. SDL is initialised at the first sound.
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

    void Play(const std::filesystem::path& file, bool wait) override;
    // True while queued sound is still waiting to be played.
    bool Playing() const;

private:
    bool Initialise();
    bool OpenDevice(const SDL_AudioSpec& format);
    void WaitUntilPlayed(Uint32 sound_bytes) const;

    bool initialised_ = false;
    bool unavailable_ = false;  // SDL audio could not start: every sound is silent
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec format_{};
};

}  // namespace kiova
