// What the backend asks of Xlib itself, where SDL has no call for it (the
// error handler is declared with the backend's factory).
#pragma once

#include <SDL.h>

namespace platform {

// Tells the window manager that `window`, not yet shown, is modal for the
// window it is transient for. Nothing on other window systems.
void markModal(SDL_Window* window);

}  // namespace platform
