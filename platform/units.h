// Units shared by designs, elements and backends: twips and colours.
#pragma once

#include <cstdint>

namespace platform {

// Positions and sizes are twips; the design resolution is 96 dots per inch.
inline constexpr float TwipsPerPixel = 15.0f;

// A colour with red in the low byte: 0x00BBGGRR.
using Colour = std::uint32_t;

inline constexpr Colour Black = 0;
inline constexpr Colour Red = 0xFF;
inline constexpr Colour Yellow = 0xFFFF;

inline constexpr std::uint8_t red(Colour c) { return c & 0xFF; }
inline constexpr std::uint8_t green(Colour c) { return (c >> 8) & 0xFF; }
inline constexpr std::uint8_t blue(Colour c) { return (c >> 16) & 0xFF; }

struct PixelSize {
    int width = 0;
    int height = 0;
};

}  // namespace platform
