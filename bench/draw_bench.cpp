// Drawing one frame of each window with the SDL2 backend and its software
// renderer, on SDL's dummy video driver.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "level/program.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/window.h"

namespace {

void drawFrames(benchmark::State& state, platform::Window& (tromfel::Program::*which)()) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SdlBackend backend;
    platform::Runtime runtime(backend, tromfel::ProgramTitle);
    tromfel::Program program(runtime);
    platform::Window& window = (program.*which)();
    runtime.start(window);
    for (auto _ : state) backend.draw(window);
}

void BM_DrawMenu(benchmark::State& state) { drawFrames(state, &tromfel::Program::frmMenu); }
void BM_DrawLevel1(benchmark::State& state) { drawFrames(state, &tromfel::Program::frmLevel1); }
void BM_DrawLevel2(benchmark::State& state) { drawFrames(state, &tromfel::Program::frmLevel2); }
BENCHMARK(BM_DrawMenu)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLevel1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLevel2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
