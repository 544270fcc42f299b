// The default sound, made once in memory.
#include "platform/default_sound.h"

#include <cmath>
#include <numbers>

#include "platform/wav.h"

namespace platform {

namespace {

// A short fading chime at 880 Hz.
std::vector<std::uint8_t> makeChime() {
    constexpr std::uint32_t rate = 22050;
    std::vector<std::int16_t> samples(rate / 4);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        samples[i] = static_cast<std::int16_t>(std::sin(2 * std::numbers::pi * 880 * t) * std::exp(-12 * t) * 12000);
    }
    return wavFile(samples, rate);
}

}  // namespace

const std::vector<std::uint8_t>& defaultSoundWav() {
    static const std::vector<std::uint8_t> wav = makeChime();
    return wav;
}

}  // namespace platform
