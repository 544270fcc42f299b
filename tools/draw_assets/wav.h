// Writes mono 16-bit PCM WAV files at the game's sample rate.
#pragma once

#include <string>
#include <vector>

inline constexpr int kSampleRate = 22050;

// Samples are in -1..1 and are clipped beyond that. Throws
// std::runtime_error when the file cannot be written.
void saveWav(const std::string& path, const std::vector<double>& samples);
