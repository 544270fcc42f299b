// The sound service over SDL2_mixer: every broken file plays the default
// sound in the one voice, and without an audio device every call is silent
// and answers 0.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/sdl/sdl_audio.h"
#include "platform/wav.h"

namespace testing_sdl {
namespace {

namespace fs = std::filesystem;

TEST(Audio, EveryBrokenFilePlaysTheDefaultSoundAndNoDeviceMeansSilence) {
    const fs::path folder = fs::temp_directory_path() / ("tromfel_audio_" + std::to_string(::getpid()));
    fs::create_directories(folder / "folder.wav");
    const auto write = [&](const char* name, std::vector<std::uint8_t> bytes) {
        std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    };
    const std::vector<std::uint8_t> good = platform::wavFile(std::vector<std::int16_t>(22050, 4000), 22050);
    std::vector<std::uint8_t> huge = good;
    huge[40] = huge[41] = huge[42] = huge[43] = 0xF0;  // the data chunk claims 4 GB
    write("good.wav", good);
    write("empty.wav", {});
    write("truncated.wav", {good.begin(), good.begin() + 30});
    write("silent.wav", platform::wavFile({}, 22050));
    write("huge.wav", huge);
    write("noise.wav", std::vector<std::uint8_t>(4096, 0x5A));
    // The game's path: the folder, then a literal beginning with a backslash.
    const auto path = [&](const char* name) { return folder.string() + "\\" + name; };

    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    {
        platform::SdlAudio audio;
        for (const char* name : {"good.wav", "missing.wav", "empty.wav", "truncated.wav", "silent.wav", "huge.wav", "noise.wav", "folder.wav"}) {
            EXPECT_EQ(audio.play(path(name)), 1) << name;
            EXPECT_EQ(Mix_Playing(-1), 1) << name;
        }
    }
    ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    platform::SdlAudio silent;
    EXPECT_EQ(silent.play(path("good.wav")), 0);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace testing_sdl
