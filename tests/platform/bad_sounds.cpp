// Broken sound files: missing, empty, cut short, random, lying about their
// size, a folder, and one nobody may read.
#include "bad_sounds.h"

#include <fstream>
#include <random>

#include <unistd.h>

namespace testing_platform {

namespace {

std::string littleEndian(unsigned value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
}

void write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

std::string wavFile(unsigned samples) {
    const std::string data(samples * 2, '\x10');
    return "RIFF" + littleEndian(36 + static_cast<unsigned>(data.size()), 4) + "WAVEfmt " + littleEndian(16, 4) +
           littleEndian(1, 2) + littleEndian(1, 2) + littleEndian(22050, 4) + littleEndian(44100, 4) +
           littleEndian(2, 2) + littleEndian(16, 2) + "data" + littleEndian(static_cast<unsigned>(data.size()), 4) +
           data;
}

std::vector<std::string> writeBadSounds(const std::filesystem::path& folder) {
    write(folder / "empty.wav", "");
    write(folder / "truncated.wav", wavFile(100).substr(0, 30));
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    write(folder / "random.wav", noise);
    std::string huge = wavFile(100);
    huge.replace(40, 4, littleEndian(0xFFFFFFF0u, 4));  // the data chunk claims 4 GB
    huge.replace(4, 4, littleEndian(0xFFFFFFF0u, 4));
    write(folder / "huge.wav", huge);
    std::filesystem::create_directories(folder / "folder.wav");
    std::vector<std::string> names{"missing.wav", "empty.wav", "truncated.wav", "random.wav", "huge.wav", "folder.wav"};
    // Permissions do not stop root, so that case needs an ordinary user.
    if (::geteuid() != 0) {
        write(folder / "unreadable.wav", wavFile(100));
        std::filesystem::permissions(folder / "unreadable.wav", std::filesystem::perms::none);
        names.push_back("unreadable.wav");
    }
    return names;
}

}  // namespace testing_platform
