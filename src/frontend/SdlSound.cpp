// A WAV file in, its samples queued on the device out. Whatever fails (no audio system, no
// file, not a WAV) leaves the program silent and unharmed; a synchronous play never waits
// longer than the sound lasts plus a margin, even when the device stalls.
#include "SdlSound.h"

#include <memory>

namespace kiova {
namespace {
constexpr Uint32 kWaitMarginMs = 1000;
constexpr Uint32 kPollMs = 5;

bool SameFormat(const SDL_AudioSpec& a, const SDL_AudioSpec& b) {
    return a.freq == b.freq && a.format == b.format && a.channels == b.channels;
}

Uint32 BytesPerSecond(const SDL_AudioSpec& format) {
    return static_cast<Uint32>(format.freq) * format.channels *
           (SDL_AUDIO_BITSIZE(format.format) / 8);
}

struct FreeWav {
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};
}  // namespace

TSdlSound::~TSdlSound() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool TSdlSound::Initialise() {
    if (!initialised_ && !unavailable_) {
        initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        unavailable_ = !initialised_;
    }
    return initialised_;
}

bool TSdlSound::OpenDevice(const SDL_AudioSpec& format) {
    if (device_ != 0 && SameFormat(format, format_)) return true;
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    SDL_AudioSpec wanted = format;
    wanted.callback = nullptr;  // queued audio
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &format_, 0);
    return device_ != 0;
}

void TSdlSound::Play(const std::filesystem::path& file, bool wait) {
    if (!Initialise()) return;
    SDL_AudioSpec format;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(file.c_str(), &format, &samples, &length) == nullptr) return;
    std::unique_ptr<Uint8, FreeWav> owned(samples);
    if (!OpenDevice(format)) return;
    SDL_ClearQueuedAudio(device_);
    if (SDL_QueueAudio(device_, samples, length) != 0) return;
    SDL_PauseAudioDevice(device_, 0);
    if (wait) WaitUntilPlayed(length);
}

void TSdlSound::WaitUntilPlayed(Uint32 sound_bytes) const {
    Uint32 bytes_per_second = BytesPerSecond(format_);
    if (bytes_per_second == 0) return;
    Uint32 duration_ms = static_cast<Uint32>(Uint64{sound_bytes} * 1000 / bytes_per_second);
    Uint64 deadline = SDL_GetTicks64() + duration_ms + kWaitMarginMs;
    while (Playing() && SDL_GetTicks64() < deadline) SDL_Delay(kPollMs);
    // The queue hands its last block to the device before that block has sounded.
    if (format_.freq > 0) SDL_Delay(static_cast<Uint32>(format_.samples) * 1000 / format_.freq);
}

bool TSdlSound::Playing() const {
    return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0;
}

}  // namespace kiova
