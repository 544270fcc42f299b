// The sound service over SDL2_mixer, seen through the chunk in its one voice:
// a file is decoded again only when it changed on disk, every broken file
// plays the default sound at once, and without an audio device every call is
// silent and answers 0.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "platform/sdl/sdl_audio.h"
#include "platform/wav.h"

namespace testing_sdl {
namespace {

namespace fs = std::filesystem;

// `count` samples of `value` at the device's rate, each 4 bytes in its 16-bit stereo.
std::vector<std::uint8_t> wav(std::size_t count, std::int16_t value) {
    return platform::wavFile(std::vector<std::int16_t>(count, value), 44100);
}

TEST(Audio, ChangedFilesAreReadAgainBrokenOnesPlayTheDefaultSoundAtOnceAndNoDeviceMeansSilence) {
    // A folder whose name holds a backslash, as the system may name the game's.
    const fs::path folder = fs::temp_directory_path() / ("tromfel\\audio_" + std::to_string(::getpid()));
    fs::create_directories(folder / "folder.wav");
    const auto start = fs::file_time_type::clock::now();
    const auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes, int seconds = 0) {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        fs::last_write_time(folder / name, start + std::chrono::seconds(seconds));
    };
    ::setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    platform::SdlAudio silent;
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SdlAudio audio;
    // Whether a sound started, then the first sample and the length of the one in the voice.
    const auto play = [&](const char* name) {
        const std::int32_t started =
            audio.play(platform::nativeSoundPath(folder.string(), folder.string() + "\\" + name));
        const Mix_Chunk* chunk = Mix_GetChunk(0);
        return std::tuple(started, reinterpret_cast<const std::int16_t*>(chunk->abuf)[0], chunk->alen);
    };

    // New samples at the same size and time go unheard: the file is read again
    // only once its size or its modification time changed.
    for (const auto& [count, value, seconds, heard, length] :
         {std::tuple{1000, 4000, 0, 4000, 4000u}, {1000, -4000, 0, 4000, 4000u}, {1000, -4000, 1, -4000, 4000u},
          {1001, 4000, 1, 4000, 4004u}}) {
        write("path.wav", wav(count, static_cast<std::int16_t>(value)), seconds);
        EXPECT_EQ(play("path.wav"), std::tuple(1, static_cast<std::int16_t>(heard), length)) << count << " " << value;
    }
    EXPECT_EQ(silent.play((folder / "path.wav").string()), 0);

    std::vector<std::uint8_t> huge = wav(1000, 4000);
    huge[40] = huge[41] = huge[42] = huge[43] = 0xF0;  // the data chunk claims 4 GB
    write("huge.wav", huge);
    write("silent.wav", wav(0, 0));
    write("noise.wav", std::vector<std::uint8_t>(4096, 0x5A));
    write("large.wav", wav(platform::SdlAudio::maxFileSize / 2, 4000));
    fs::create_symlink("/dev/zero", folder / "zero.wav");
    ::alarm(10);  // a read that blocks ends the test instead of hanging it
    // A FIFO holding a whole WAV file, with no writer left: opening it to read would block.
    ASSERT_EQ(::mkfifo((folder / "fifo.wav").c_str(), 0600), 0);
    const int reader = ::open((folder / "fifo.wav").c_str(), O_RDONLY | O_NONBLOCK);
    write("fifo.wav", wav(1000, 4000));
    const auto fallback = play("missing.wav");
    EXPECT_EQ(std::get<0>(fallback), 1);
    for (const char* name : {"huge.wav", "silent.wav", "noise.wav", "folder.wav",
                             "large.wav", "zero.wav", "fifo.wav"}) {
        EXPECT_EQ(play(name), fallback) << name;
    }
    ::alarm(0);
    ::close(reader);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace testing_sdl
