// The real program on the SDL2 backend, with SDL's dummy video and audio
// drivers: no display and no sound card needed. Message boxes are answered
// with Return as soon as they show.
#pragma once

#include <SDL.h>

#include <algorithm>
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
};

// What a window shows, as 0xAARRGGBB.
struct Shot {
    explicit Shot(SDL_Window* window)
        : surface(SDL_ConvertSurfaceFormat(SDL_GetWindowSurface(window), SDL_PIXELFORMAT_ARGB8888, 0)) {}
    ~Shot() { SDL_FreeSurface(surface); }
    Shot(const Shot&) = delete;
    Shot& operator=(const Shot&) = delete;

    std::uint32_t at(int x, int y) const {
        return static_cast<const std::uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
    }
    // How many pixels of exactly `colour` lie in [left, right) x [top, bottom).
    int count(std::uint32_t colour, int left = 0, int top = 0, int right = 1 << 20, int bottom = 1 << 20) const {
        int found = 0;
        for (int y = top; y < std::min(bottom, surface->h); ++y) {
            for (int x = left; x < std::min(right, surface->w); ++x) found += at(x, y) == colour;
        }
        return found;
    }
    SDL_Surface* surface;
};

}  // namespace testing_sdl
