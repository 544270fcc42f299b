// An RGBA colour and a helper to blend two of them.
#pragma once

#include <cstdint>

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

inline constexpr Rgba kBlack{0, 0, 0, 255};
inline constexpr Rgba kWhite{255, 255, 255, 255};

// Straight interpolation from a (t = 0) to b (t = 1), rounded, opaque.
inline Rgba mix(Rgba a, Rgba b, double t) {
    auto lerp = [t](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>(from + (to - from) * t + 0.5);
    };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b), 255};
}
