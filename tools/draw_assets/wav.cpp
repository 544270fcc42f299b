// RIFF/WAVE writer: the 44-byte header spelled out byte by byte (little
// endian whatever the host is), followed by the samples.
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {

void putTag(std::vector<char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

void putLittle(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

void saveWav(const std::string& path, const std::vector<double>& samples) {
    constexpr std::uint32_t kChannels = 1, kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);

    std::vector<char> out;
    putTag(out, "RIFF");
    putLittle(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittle(out, 16, 4);  // size of the format block
    putLittle(out, 1, 2);   // integer PCM
    putLittle(out, kChannels, 2);
    putLittle(out, kSampleRate, 4);
    putLittle(out, kSampleRate * kChannels * kBytesPerSample, 4);
    putLittle(out, kChannels * kBytesPerSample, 2);
    putLittle(out, 8 * kBytesPerSample, 2);
    putTag(out, "data");
    putLittle(out, dataBytes, 4);
    for (double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        putLittle(out, static_cast<std::uint16_t>(value), 2);
    }

    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}
