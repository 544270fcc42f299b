// The default sound, made once in memory.
#include "platform/default_sound.h"

#include <cmath>
#include <numbers>

namespace platform {

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> makeChime() {
    constexpr std::uint32_t rate = 22050;
    constexpr std::uint32_t samples = rate / 4;
    std::vector<std::uint8_t> wav;
    wav.insert(wav.end(), {'R', 'I', 'F', 'F'});
    put(wav, 36 + samples * 2, 4);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(wav, 16, 4);
    put(wav, 1, 2);  // PCM
    put(wav, 1, 2);  // mono
    put(wav, rate, 4);
    put(wav, rate * 2, 4);
    put(wav, 2, 2);
    put(wav, 16, 2);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    put(wav, samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double sample = std::sin(2 * std::numbers::pi * 880 * t) * std::exp(-12 * t) * 12000;
        put(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)), 2);
    }
    return wav;
}

}  // namespace

const std::vector<std::uint8_t>& defaultSoundWav() {
    static const std::vector<std::uint8_t> wav = makeChime();
    return wav;
}

}  // namespace platform
