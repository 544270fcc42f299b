// Sound files that cannot be played, written into a folder for tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testing_platform {

// A valid 16-bit mono PCM WAV file with `samples` samples.
std::string wavFile(unsigned samples);

// Writes each kind of broken sound file into `folder`; gives their names,
// "missing.wav" first, which is not written.
std::vector<std::string> writeBadSounds(const std::filesystem::path& folder);

}  // namespace testing_platform
