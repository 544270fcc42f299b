// Sound through SDL2_mixer: one voice, a new sound stops the one playing.
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <string>

namespace platform {

class SdlAudio {
public:
    SdlAudio();  // without an audio device every sound is silent
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // 1 if the file, or the default sound in its place, started; else 0.
    std::int32_t play(const std::string& nativePath);

private:
    bool open_ = false;
    Mix_Chunk* default_ = nullptr;
    Mix_Chunk* current_ = nullptr;  // the file last played, kept until replaced
};

}  // namespace platform
