// WAV bytes in, their samples queued on the device out, and how long they last. Whatever fails
// (no audio system, not a WAV) leaves the program silent and unharmed. Nothing here waits: the
// caller decides how long to let a sound hold it.
#include "SdlSound.h"

#include <algorithm>
#include <climits>
#include <memory>

namespace kiova {
namespace {
bool SameFormat(const SDL_AudioSpec& a, const SDL_AudioSpec& b) {
    return a.freq == b.freq && a.format == b.format && a.channels == b.channels;
}

constexpr int kMinRate = 4000;    // Hz
constexpr int kMaxRate = 384000;  // Hz

Uint64 BytesPerSecond(const SDL_AudioSpec& format) {
    return static_cast<Uint64>(std::max(format.freq, 0)) * format.channels *
           (SDL_AUDIO_BITSIZE(format.format) / 8);
}

// How long `sound_bytes` of `format` sound, with the device's last block after them (the queue
// hands that block over before it has sounded); at most INT_MAX.
int Duration(const SDL_AudioSpec& format, Uint32 sound_bytes, const SDL_AudioSpec& device) {
    Uint64 bytes_per_second = BytesPerSecond(format);
    if (bytes_per_second == 0 || device.freq <= 0) return 0;
    Uint64 milliseconds = Uint64{sound_bytes} * 1000 / bytes_per_second +
                          Uint64{device.samples} * 1000 / static_cast<Uint64>(device.freq);
    return static_cast<int>(std::min<Uint64>(milliseconds, INT_MAX));
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

int TSdlSound::Play(std::string_view wav) {
    if (!Initialise()) return 0;
    SDL_AudioSpec format;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
    if (SDL_LoadWAV_RW(source, 1, &format, &samples, &length) == nullptr) return 0;
    std::unique_ptr<Uint8, FreeWav> owned(samples);
    // A rate no sound is recorded at (a header saying 1 Hz) would stall the device for hours.
    if (format.freq < kMinRate || format.freq > kMaxRate) return 0;
    if (!OpenDevice(format)) return 0;
    SDL_ClearQueuedAudio(device_);
    if (SDL_QueueAudio(device_, samples, length) != 0) return 0;
    SDL_PauseAudioDevice(device_, 0);
    return Duration(format, length, format_);
}

bool TSdlSound::Playing() const {
    return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0;
}

}  // namespace kiova
