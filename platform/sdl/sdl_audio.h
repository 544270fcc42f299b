// Sound through SDL2_mixer: one voice, a new sound stops the one playing; and
// the native path of a sound the game names.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "platform/sdl/sdl_handles.h"

namespace platform {

// The native path of a sound the game names as `folder` followed by a name
// whose separators are backslashes. Only that name's backslashes become '/':
// the folder keeps its name as the system gave it, backslashes and all. A path
// outside `folder` has all its backslashes mapped.
std::string nativeSoundPath(const std::string& folder, const std::string& path);

class SdlAudio {
public:
    // A larger file is broken: the game's sounds take a few KB.
    static constexpr std::size_t maxFileSize = 4 << 20;

    SdlAudio();  // without an audio device every sound is silent

    // Plays the file at the native `path` without ever blocking on it. A file
    // that cannot be played (missing, unreadable, not a regular file, larger
    // than maxFileSize or malformed) gives the default sound. A file is read
    // and decoded again only when its size or modification time changed. 1 if
    // a sound started, else 0.
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

    // A file as it was when last read, and what it decoded to: null when broken.
    struct Sound {
        bool unchanged(const struct stat& now) const {
            return size == now.st_size && modified.tv_sec == now.st_mtim.tv_sec &&
                   modified.tv_nsec == now.st_mtim.tv_nsec;
        }
        off_t size;
        timespec modified;
        ChunkHandle chunk;
    };

    // The decoded sound of the file at `path`, null when it is broken.
    Mix_Chunk* sound(const std::string& path);

    Device device_;
    ChunkHandle default_;
    std::map<std::string, Sound> sounds_;  // by path: the game plays a handful of files
};

}  // namespace platform
