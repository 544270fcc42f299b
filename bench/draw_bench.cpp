// Drawing each window with the SDL2 backend and its software renderer, on
// SDL's dummy video driver: a whole frame, a frame of a playing level
// (one tick's damage), and showing a window on the screen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"
#include "program/windows.h"

namespace {

struct SdlGame {
    // Set before the backend starts SDL: no display and no sound card needed.
    struct Drivers {
        Drivers() {
            ::setenv("SDL_VIDEODRIVER", "dummy", 1);
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        }
    } drivers;
    platform::SdlBackend backend;
    platform::Runtime runtime{backend, std::string(tromfel::ProgramTitle)};
    SdlGame() { tromfel::addWindows(runtime); }
};

void drawWhole(benchmark::State& state, const char* name) {
    SdlGame game;
    platform::Window& window = game.runtime.window(name);
    game.runtime.start(window);
    for (auto _ : state) game.backend.screen(window).drawWhole();
}

// One tick of a level left alone, and the frame that follows it.
void tickAndDraw(benchmark::State& state, const char* name) {
    SdlGame game;
    platform::Window& window = game.runtime.window(name);
    game.runtime.start(window);
    for (auto _ : state) {
        window.Timer1_Timer();
        game.backend.draw(window);
    }
}

// Laying a window out, creating it on the screen with its renderer and
// drawing its first frame, then closing it.
void showWindow(benchmark::State& state, const char* name) {
    SdlGame game;
    platform::Window& window = game.runtime.window(name);
    for (auto _ : state) {
        window.Show();
        game.backend.draw(window);
        window.Close();
    }
}

BENCHMARK_CAPTURE(drawWhole, menu, "frmMenu")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawWhole, level1, "frmLevel1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawWhole, level2, "frmLevel2")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(tickAndDraw, level1, "frmLevel1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(tickAndDraw, level2, "frmLevel2")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(showWindow, menu, "frmMenu")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(showWindow, level1, "frmLevel1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(showWindow, level2, "frmLevel2")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
