// The sound service over SDL2_mixer.
#include "platform/sdl/sdl_audio.h"

#include <SDL.h>

#include "platform/default_sound.h"
#include "platform/sound_file.h"

namespace platform {

SdlAudio::SdlAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    const auto& wav = defaultSoundWav();
    default_ = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1);
    open_ = true;
}

SdlAudio::~SdlAudio() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_FreeChunk(current_);
    Mix_FreeChunk(default_);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::int32_t SdlAudio::play(const std::string& nativePath) {
    if (!open_) return 0;
    Mix_HaltChannel(0);
    Mix_FreeChunk(current_);
    current_ = isPlayableWav(nativePath) ? Mix_LoadWAV(nativePath.c_str()) : nullptr;
    Mix_Chunk* chunk = current_ ? current_ : default_;
    return chunk && Mix_PlayChannel(0, chunk, 0) == 0 ? 1 : 0;
}

}  // namespace platform
