// WAV files as bytes: mono 16-bit PCM, the one format the program writes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// A complete RIFF/WAVE file holding `samples` at `rate` samples a second.
std::vector<std::uint8_t> wavFile(std::span<const std::int16_t> samples, std::uint32_t rate);

}  // namespace platform
