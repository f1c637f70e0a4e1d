#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "SdlSound.h"

namespace kiova {
namespace {
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

TEST_F(SdlSoundTest, PlayReturnsAtOnceWithHowLongTheSoundLasts) {
    TSdlSound sound;
    int lasts = sound.Play(Wav(3000));
    EXPECT_TRUE(sound.Playing());
    EXPECT_GE(lasts, 3000);
    EXPECT_LT(lasts, 4000);
}

TEST_F(SdlSoundTest, UnplayableSoundsAreSilent) {
    TSdlSound sound;
    EXPECT_EQ(sound.Play(""), 0);
    EXPECT_EQ(sound.Play("this is no sound"), 0);
    EXPECT_EQ(sound.Play(Wav(500).substr(0, 30)), 0);
    // A header claiming one sample a second would make a few kilobytes last for hours.
    std::string slow = Wav(100);
    slow.replace(24, 8, std::string("\x01\0\0\0\x02\0\0\0", 8));  // rate, bytes a second
    EXPECT_EQ(sound.Play(slow), 0);
    EXPECT_FALSE(sound.Playing());
}

}  // namespace
}  // namespace kiova
