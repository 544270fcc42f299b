// The real program on the SDL2 backend, with SDL's dummy video and audio
// drivers: no display and no sound card needed. Message boxes are answered
// with Return as soon as they show.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"
#include "program/windows.h"

namespace testing_sdl {

struct Drivers {
    Drivers() {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};

// Presses Return in every window titled Tromfel the moment it is shown:
// the box's own loop then finds the key waiting.
class BoxAnswerer {
public:
    BoxAnswerer() { SDL_AddEventWatch(answer, this); }
    ~BoxAnswerer() { SDL_DelEventWatch(answer, this); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    int answered = 0;

private:
    static int answer(void* self, SDL_Event* event) {
        if (event->type != SDL_WINDOWEVENT || event->window.event != SDL_WINDOWEVENT_SHOWN) return 0;
        SDL_Window* window = SDL_GetWindowFromID(event->window.windowID);
        if (!window || std::string(SDL_GetWindowTitle(window)) != "Tromfel") return 0;
        SDL_Event key{};
        key.type = SDL_KEYDOWN;
        key.key.windowID = event->window.windowID;
        key.key.keysym.sym = SDLK_RETURN;
        SDL_PushEvent(&key);
        ++static_cast<BoxAnswerer*>(self)->answered;
        return 0;
    }
};

struct SdlGame {
    Drivers drivers;
    platform::SdlBackend backend;
    platform::Runtime runtime{backend, std::string(tromfel::ProgramTitle)};
    BoxAnswerer boxes;
    SdlGame() { tromfel::addWindows(runtime); }

    // What the window shows now, as 0xAARRGGBB row by row.
    std::vector<std::uint32_t> pixels(const platform::Window& window) {
        platform::PixelSize size;
        return backend.screen(window).capture(size);
    }
};

}  // namespace testing_sdl
