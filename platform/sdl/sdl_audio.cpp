// The sound service over SDL2_mixer: files read without blocking, decoded
// from memory, and kept until they change on disk.
#include "platform/sdl/sdl_audio.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <vector>

#include "platform/default_sound.h"

namespace platform {

namespace {

// A file descriptor, closed when it goes.
struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd;
};

// All of the file open as `fd`, or nothing when it cannot be read or holds
// more than `limit` bytes. The limit is counted while reading, not taken from
// the file's size, which may change meanwhile.
std::optional<std::vector<std::uint8_t>> readAll(int fd, std::size_t limit) {
    std::vector<std::uint8_t> bytes;
    std::array<std::uint8_t, 65536> block;
    for (;;) {
        const ssize_t count = ::read(fd, block.data(), block.size());
        if (count == 0) return bytes;
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return std::nullopt;
        bytes.insert(bytes.end(), block.begin(), block.begin() + count);
        if (bytes.size() > limit) return std::nullopt;
    }
}

// A WAV file with no samples, or one whose data is shorter than its header
// says, counts as broken: null.
ChunkHandle decode(const std::vector<std::uint8_t>& wav) {
    ChunkHandle chunk(Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1));
    if (chunk && chunk->alen == 0) chunk.reset();
    return chunk;
}

}  // namespace

std::string nativeSoundPath(const std::string& folder, const std::string& path) {
    std::string native = path;
    const auto name = native.begin() + static_cast<std::ptrdiff_t>(path.starts_with(folder) ? folder.size() : 0);
    std::replace(name, native.end(), '\\', '/');
    return native;
}

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
    Mix_HaltChannel(0);
    Mix_Chunk* chunk = sound(path);
    if (!chunk) chunk = default_.get();
    return chunk && Mix_PlayChannel(0, chunk, 0) == 0 ? 1 : 0;
}

Mix_Chunk* SdlAudio::sound(const std::string& path) {
    struct stat now {};
    const auto known = sounds_.find(path);
    if (known != sounds_.end() && ::stat(path.c_str(), &now) == 0 && known->second.unchanged(now)) {
        return known->second.chunk.get();
    }
    // A FIFO or a device would block the opening or the reading, or never end:
    // only what the descriptor shows to be a regular file is read.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (file.fd < 0 || ::fstat(file.fd, &opened) != 0) {
        if (known != sounds_.end()) sounds_.erase(known);
        return nullptr;
    }
    std::optional<std::vector<std::uint8_t>> wav;
    if (S_ISREG(opened.st_mode)) wav = readAll(file.fd, maxFileSize);
    Sound& sound = sounds_[path];
    sound = {opened.st_size, opened.st_mtim, wav ? decode(*wav) : nullptr};
    return sound.chunk.get();
}

}  // namespace platform
