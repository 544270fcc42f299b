// Showing and drawing each window with the SDL2 backend and its software
// renderer, on SDL's dummy video driver.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "level/program.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"

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
    platform::Runtime runtime{backend, tromfel::ProgramTitle};
    tromfel::Program program{runtime};
};

void drawFrames(benchmark::State& state, platform::Window& (tromfel::Program::*which)()) {
    SdlGame game;
    platform::Window& window = (game.program.*which)();
    game.runtime.start(window);
    for (auto _ : state) game.backend.draw(window);
}

// Laying a window out, creating it on the screen with its renderer and
// drawing its first frame, then closing it.
void showWindows(benchmark::State& state, platform::Window& (tromfel::Program::*which)()) {
    SdlGame game;
    platform::Window& window = (game.program.*which)();
    for (auto _ : state) {
        window.Show();
        game.backend.draw(window);
        window.Close();
    }
}

void BM_DrawMenu(benchmark::State& state) { drawFrames(state, &tromfel::Program::frmMenu); }
void BM_DrawLevel1(benchmark::State& state) { drawFrames(state, &tromfel::Program::frmLevel1); }
void BM_DrawLevel2(benchmark::State& state) { drawFrames(state, &tromfel::Program::frmLevel2); }
BENCHMARK(BM_DrawMenu)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLevel1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLevel2)->Unit(benchmark::kMicrosecond);

void BM_ShowMenu(benchmark::State& state) { showWindows(state, &tromfel::Program::frmMenu); }
void BM_ShowLevel1(benchmark::State& state) { showWindows(state, &tromfel::Program::frmLevel1); }
void BM_ShowLevel2(benchmark::State& state) { showWindows(state, &tromfel::Program::frmLevel2); }
BENCHMARK(BM_ShowMenu)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowLevel1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowLevel2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
