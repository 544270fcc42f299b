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
#include "program/windows.h"

namespace testing_sdl {

struct Drivers {
    Drivers() {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};

// Presses Return in a window titled Tromfel the moment it shows: the box's
// own loop then finds the key waiting.
inline int answerBox(void* answered, SDL_Event* event) {
    if (event->type != SDL_WINDOWEVENT || event->window.event != SDL_WINDOWEVENT_SHOWN) return 0;
    if (std::string(SDL_GetWindowTitle(SDL_GetWindowFromID(event->window.windowID))) != "Tromfel") return 0;
    SDL_Event key{};
    key.key = {SDL_KEYDOWN, 0, event->window.windowID, SDL_PRESSED, 0, 0, 0, {SDL_SCANCODE_RETURN, SDLK_RETURN, 0, 0}};
    SDL_PushEvent(&key);
    return ++*static_cast<int*>(answered);
}

struct SdlGame {
    Drivers drivers;
    platform::SdlBackend backend;
    platform::Runtime runtime{backend, std::string(tromfel::ProgramTitle)};
    int boxesAnswered = 0;
    SdlGame() {
        tromfel::addWindows(runtime);
        SDL_AddEventWatch(answerBox, &boxesAnswered);
    }
    ~SdlGame() { SDL_DelEventWatch(answerBox, &boxesAnswered); }
};

// What a window shows, as 0xAARRGGBB pixels.
struct Shot {
    explicit Shot(SDL_Window* window) {
        const SDL_Surface* shown = SDL_GetWindowSurface(window);
        width = shown->w;
        pixels.resize(static_cast<std::size_t>(shown->w * shown->h));
        SDL_ConvertPixels(shown->w, shown->h, shown->format->format, shown->pixels, shown->pitch,
                          SDL_PIXELFORMAT_ARGB8888, pixels.data(), shown->w * 4);
    }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // How many pixels of exactly `colour` lie in [left, right) x [top, bottom).
    int count(std::uint32_t colour, int left = 0, int top = 0, int right = 99999, int bottom = 99999) const {
        int found = 0;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
            found += x >= left && x < right && y >= top && y < bottom && pixels[i] == colour;
        }
        return found;
    }
    int width;
    std::vector<std::uint32_t> pixels;
};

}  // namespace testing_sdl
