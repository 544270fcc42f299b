// The virtual-key codes of the keys the game acts on.
#pragma once

#include <cstdint>

namespace platform {

inline constexpr std::int16_t VK_SPACE = 32;
inline constexpr std::int16_t VK_ESCAPE = 27;
inline constexpr std::int16_t VK_HOME = 36;
inline constexpr std::int16_t VK_LEFT = 37;
inline constexpr std::int16_t VK_UP = 38;
inline constexpr std::int16_t VK_RIGHT = 39;
inline constexpr std::int16_t VK_DOWN = 40;

}  // namespace platform
