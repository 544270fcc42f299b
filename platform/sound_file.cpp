// Mapping of sound paths and the check that a WAV file can be played.
#include "platform/sound_file.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

std::string nativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

bool isPlayableWav(const std::string& nativePath) {
    // A file whose data is shorter than its header says is broken, not short.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(nativePath.c_str(), &spec, &buffer, &length)) return false;
    SDL_FreeWAV(buffer);
    return length > 0;
}

}  // namespace platform
