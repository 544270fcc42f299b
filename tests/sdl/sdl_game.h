// The real program on the SDL2 backend, with SDL's dummy video and audio
// drivers: no display and no sound card needed. Message boxes are answered
// with Return, or the input a test gives, as soon as they show.
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

// An event a message box gets the moment it shows: a key pressed or released
// on the box or, `elsewhere`, on the game's window shown last; or a quit.
struct BoxInput {
    Uint32 type;
    SDL_Keycode key = SDLK_RETURN;
    bool elsewhere = false;
};

struct SdlGame {
    Drivers drivers;
    platform::SdlBackend backend;
    platform::Runtime runtime{backend, std::string(tromfel::ProgramTitle)};
    std::vector<BoxInput> boxInput{{SDL_KEYDOWN}, {SDL_KEYUP}};  // Return, pressed and released
    int boxesAnswered = 0;
    SdlGame() {
        tromfel::addWindows(runtime);
        SDL_AddEventWatch(answerBox, this);
    }
    ~SdlGame() { SDL_DelEventWatch(answerBox, this); }

    // Queues the box's input the moment a window titled Tromfel shows: the
    // box's own loop then finds it waiting.
    static int answerBox(void* game, SDL_Event* event) {
        if (event->type != SDL_WINDOWEVENT || event->window.event != SDL_WINDOWEVENT_SHOWN) return 0;
        if (std::string(SDL_GetWindowTitle(SDL_GetWindowFromID(event->window.windowID))) != "Tromfel") return 0;
        SdlGame& self = *static_cast<SdlGame*>(game);
        const Uint32 gameWindow = SDL_GetWindowID(self.backend.screen(*self.runtime.activeWindow()).window());
        for (const BoxInput& input : self.boxInput) {
            SDL_Event queued{};
            queued.key = {input.type, 0, input.elsewhere ? gameWindow : event->window.windowID, 0, 0, 0, 0,
                          {SDL_GetScancodeFromKey(input.key), input.key, 0, 0}};
            SDL_PushEvent(&queued);
        }
        return ++self.boxesAnswered;
    }
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
