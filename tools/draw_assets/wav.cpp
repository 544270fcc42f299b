// Saving sounds: the -1..1 samples become 16-bit values, and the shared WAV
// encoder turns those into the file's bytes.
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

#include "platform/wav.h"

void saveWav(const std::string& path, const std::vector<double>& samples) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) {
        pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767)));
    }
    const std::vector<std::uint8_t> bytes = platform::wavFile(pcm, kSampleRate);

    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}
