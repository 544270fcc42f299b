// Sound synthesis from sines, a pitch sweep and a little seeded noise; no
// clock or random device is consulted, so every run writes the same bytes.
#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

#include "wav.h"

namespace {

constexpr double kTau = 2 * std::numbers::pi;

std::vector<double> silence(double seconds) {
    return std::vector<double>(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0);
}

// Short linear fade in and out so notes start and stop without clicks.
double edges(double t, double length, double fadeIn, double fadeOut) {
    return std::min({1.0, t / fadeIn, (length - t) / fadeOut});
}

// A note with a few harmonics (weights in `partials`, first is the
// fundamental) and an exponential decay with time constant `decay`.
void addNote(std::vector<double>& out, double start, double length, double frequency,
             std::initializer_list<double> partials, double volume, double decay) {
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(length * kSampleRate));
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double wave = 0;
        int harmonic = 1;
        for (double weight : partials) wave += weight * std::sin(kTau * frequency * harmonic++ * t);
        out[first + i] += volume * wave * std::exp(-t / decay) * edges(t, length, 0.004, 0.015);
    }
}

}  // namespace

std::vector<double> jumpSound() {
    // Exponential sweep up two octaves and a bit, with a fast wobble for the spring.
    constexpr double kLength = 0.4, kFrom = 150, kTo = 750;
    std::vector<double> out = silence(kLength);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double sweep = kFrom * std::pow(kTo / kFrom, t / kLength);
        const double frequency = sweep * (1 + 0.08 * std::sin(kTau * 18 * t));
        phase += kTau * frequency / kSampleRate;
        const double wave = std::sin(phase) + 0.3 * std::sin(2 * phase);
        out[i] = 0.5 * wave * (1 - 0.6 * t / kLength) * edges(t, kLength, 0.005, 0.04);
    }
    return out;
}

std::vector<double> pathSound() {
    // A pitch-dropping low sine for the body, a muffled noise click for the contact.
    constexpr double kLength = 0.16;
    std::vector<double> out = silence(kLength);
    std::uint32_t seed = 12345;
    double phase = 0, noise = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += kTau * (55 + 85 * std::exp(-t / 0.03)) / kSampleRate;
        seed = seed * 1664525u + 1013904223u;
        noise += 0.15 * ((seed >> 8) / double(1u << 24) * 2 - 1 - noise);
        const double body = 0.75 * std::sin(phase) * std::exp(-t / 0.045);
        const double click = 0.6 * noise * std::exp(-t / 0.008);
        out[i] = (body + click) * edges(t, kLength, 0.002, 0.02);
    }
    return out;
}

std::vector<double> wonSound() {
    // C5, E5, G5 with odd harmonics for a brassy edge; the last note is held.
    std::vector<double> out = silence(0.5);
    addNote(out, 0.00, 0.12, 523.25, {1, 0, 0.3, 0, 0.15}, 0.45, 0.5);
    addNote(out, 0.12, 0.12, 659.25, {1, 0, 0.3, 0, 0.15}, 0.45, 0.5);
    addNote(out, 0.24, 0.26, 783.99, {1, 0, 0.3, 0, 0.15}, 0.45, 0.25);
    return out;
}

std::vector<double> bonusSound() {
    // E6 then B6, bell-like: quick decay and a strong octave partial.
    std::vector<double> out = silence(0.28);
    addNote(out, 0.00, 0.08, 1318.51, {1, 0.35}, 0.45, 0.06);
    addNote(out, 0.07, 0.21, 1975.53, {1, 0.35}, 0.45, 0.07);
    return out;
}
