// The sound service over SDL2_mixer: broken files play the default sound,
// and without an audio device every call is silent and answers 0.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bad_sounds.h"
#include "platform/sdl/sdl_audio.h"

namespace testing_platform {
namespace {

class SdlAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("tromfel_audio_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

TEST_F(SdlAudioTest, EveryBrokenFilePlaysTheDefaultSoundAndANewSoundReplacesThePlayingOne) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SdlAudio audio;
    std::ofstream(folder / "good.wav", std::ios::binary) << wavFile(22050);
    EXPECT_EQ(audio.play((folder / "good.wav").string()), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    for (const std::string& bad : writeBadSounds(folder)) {
        EXPECT_EQ(audio.play((folder / bad).string()), 1) << bad;
        EXPECT_EQ(Mix_Playing(-1), 1) << "one voice: " << bad;
    }
}

TEST_F(SdlAudioTest, WithoutAnAudioDeviceTheGameGoesOnSilently) {
    ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    platform::SdlAudio audio;
    std::ofstream(folder / "good.wav", std::ios::binary) << wavFile(100);
    EXPECT_EQ(audio.play((folder / "good.wav").string()), 0);
    EXPECT_EQ(audio.play((folder / "missing.wav").string()), 0);
}

}  // namespace
}  // namespace testing_platform
