// The sound played in place of a file that cannot be played.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A short chime as a complete 16-bit PCM WAV file.
const std::vector<std::uint8_t>& defaultSoundWav();

}  // namespace platform
