#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "SdlSound.h"
#include "TempFolder.h"

namespace kiova {
namespace {
using testing::TempFolder;

void PutLittleEndian(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A mono 16-bit PCM WAV file of silence lasting `milliseconds`.
std::string Wav(int milliseconds) {
    constexpr uint32_t kRate = 8000;
    uint32_t data_size = kRate * 2 * milliseconds / 1000;
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, 36 + data_size, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2);  // PCM
    PutLittleEndian(bytes, 1, 2);  // mono
    PutLittleEndian(bytes, kRate, 4);
    PutLittleEndian(bytes, kRate * 2, 4);
    PutLittleEndian(bytes, 2, 2);
    PutLittleEndian(bytes, 16, 2);
    bytes += "data";
    PutLittleEndian(bytes, data_size, 4);
    return bytes + std::string(data_size, '\0');
}

// The dummy driver consumes sound in real time without a sound card, and is silent.
class SdlSoundTest : public ::testing::Test {
protected:
    SdlSoundTest() { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(SdlSoundTest, AsynchronousPlayReturnsWhileTheSoundPlays) {
    TempFolder folder;
    TSdlSound sound;
    sound.Play(folder.Write("long.wav", Wav(3000)), false);
    EXPECT_TRUE(sound.Playing());
}

TEST_F(SdlSoundTest, SynchronousPlayReturnsWhenTheSoundHasPlayed) {
    TempFolder folder;
    TSdlSound sound;
    sound.Play(folder.Write("long.wav", Wav(3000)), false);
    sound.Play(folder.Write("short.wav", Wav(150)), true);  // replaces the long one
    EXPECT_FALSE(sound.Playing());
}

TEST_F(SdlSoundTest, MissingOrUnreadableFilesAreSilent) {
    TempFolder folder;
    TSdlSound sound;
    for (bool wait : {false, true}) {
        sound.Play(folder / "missing.wav", wait);
        sound.Play(folder.Write("text.wav", "this is no sound"), wait);
        sound.Play(folder.Write("cut.wav", Wav(500).substr(0, 30)), wait);
        EXPECT_FALSE(sound.Playing());
    }
}

}  // namespace
}  // namespace kiova
