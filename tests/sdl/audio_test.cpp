// The sound service over SDL2_mixer: every broken file plays the default
// sound, a new sound replaces the one playing, and without an audio device
// every call is silent and answers 0.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/sdl/sdl_audio.h"
#include "platform/wav.h"

namespace testing_platform {
namespace {

namespace fs = std::filesystem;

void write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class SdlAudioTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    // The game's path: the folder, then a literal beginning with a backslash.
    std::string path(const std::string& name) const { return folder.string() + "\\" + name; }

    fs::path folder = fs::temp_directory_path() / ("tromfel_audio_" + std::to_string(::getpid()));
    const std::vector<std::uint8_t> good = platform::wavFile(std::vector<std::int16_t>(22050, 4000), 22050);
};

TEST_F(SdlAudioTest, EveryBrokenFilePlaysTheDefaultSoundInTheOneVoice) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SdlAudio audio;
    write(folder / "good.wav", good);
    EXPECT_EQ(audio.play(path("good.wav")), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);

    write(folder / "empty.wav", {});
    write(folder / "truncated.wav", {good.begin(), good.begin() + 30});
    write(folder / "silent.wav", platform::wavFile({}, 22050));
    std::vector<std::uint8_t> huge = good;  // the data chunk claims 4 GB
    huge[40] = huge[41] = huge[42] = huge[43] = 0xF0;
    write(folder / "huge.wav", huge);
    std::vector<std::uint8_t> noise(4096);
    std::mt19937 random(7);
    for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
    write(folder / "random.wav", noise);
    fs::create_directories(folder / "folder.wav");
    for (const char* bad : {"missing.wav", "empty.wav", "truncated.wav", "silent.wav", "huge.wav", "random.wav", "folder.wav"}) {
        EXPECT_EQ(audio.play(path(bad)), 1) << bad;
        EXPECT_EQ(Mix_Playing(-1), 1) << bad;
    }
}

TEST_F(SdlAudioTest, WithoutAnAudioDeviceTheGameGoesOnSilently) {
    ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    platform::SdlAudio audio;
    write(folder / "good.wav", good);
    EXPECT_EQ(audio.play(path("good.wav")), 0);
    EXPECT_EQ(audio.play(path("missing.wav")), 0);
}

}  // namespace
}  // namespace testing_platform
