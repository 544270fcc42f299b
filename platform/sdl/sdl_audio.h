// Sound through SDL2_mixer: one voice, a new sound stops the one playing.
#pragma once

#include <cstdint>
#include <string>

#include "platform/sdl/sdl_handles.h"

namespace platform {

class SdlAudio {
public:
    SdlAudio();  // without an audio device every sound is silent

    // Plays the file at `path`, whose separators may be backslashes; a file
    // that cannot be played gives the default sound. 1 if a sound started,
    // else 0.
    std::int32_t play(const std::string& path);

private:
    // The audio device, open for the life of the sound service if there is one.
    struct Device {
        Device();
        ~Device();
        Device(const Device&) = delete;
        Device& operator=(const Device&) = delete;
        bool open = false;
    };

    Device device_;
    ChunkHandle default_;
    ChunkHandle current_;  // the file last played, kept until replaced
};

}  // namespace platform
