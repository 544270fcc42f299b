// The sound service over SDL2_mixer.
#include "platform/sdl/sdl_audio.h"

#include <algorithm>

#include "platform/default_sound.h"

namespace platform {

namespace {

// A WAV file with no samples, or one whose data is shorter than its header
// says, counts as broken: it plays the default sound.
ChunkHandle loadSound(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    ChunkHandle chunk(Mix_LoadWAV(path.c_str()));
    if (chunk && chunk->alen == 0) chunk.reset();
    return chunk;
}

}  // namespace

SdlAudio::Device::Device() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    open = true;
}

SdlAudio::Device::~Device() {
    if (!open) return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SdlAudio::SdlAudio() {
    if (!device_.open) return;
    const auto& wav = defaultSoundWav();
    default_.reset(Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1));
}

std::int32_t SdlAudio::play(const std::string& path) {
    if (!device_.open) return 0;
    ChunkHandle sound = loadSound(path);
    Mix_HaltChannel(0);
    current_ = std::move(sound);
    Mix_Chunk* chunk = current_ ? current_.get() : default_.get();
    return chunk && Mix_PlayChannel(0, chunk, 0) == 0 ? 1 : 0;
}

}  // namespace platform
