// The WAV encoder: a 44-byte header, little-endian whatever the host is,
// then the samples.
#include "platform/wav.h"

namespace platform {

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void tag(std::vector<std::uint8_t>& out, const char (&name)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(name[i]));
}

}  // namespace

std::vector<std::uint8_t> wavFile(std::span<const std::int16_t> samples, std::uint32_t rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    tag(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);  // size of the format block
    put(out, 1, 2);   // integer PCM
    put(out, 1, 2);   // mono
    put(out, rate, 4);
    put(out, rate * 2, 4);  // bytes a second
    put(out, 2, 2);         // bytes a sample
    put(out, 16, 2);        // bits a sample
    tag(out, "data");
    put(out, dataBytes, 4);
    for (const std::int16_t sample : samples) put(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

}  // namespace platform
