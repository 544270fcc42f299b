// SDL keys as the virtual-key codes the game's procedures compare.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace platform {

// The virtual-key code of a key, or 0 for a key that has none.
std::int16_t virtualKeyCode(const SDL_Keysym& key);

// The shift state: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftState(Uint16 modifiers);

}  // namespace platform
