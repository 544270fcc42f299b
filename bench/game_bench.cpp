// Speed of the game's hot paths on the headless backend: the overlap test,
// one tick of each level against plain box tests, and laying out windows.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "level/level_window.h"
#include "platform/headless_backend.h"
#include "program/windows.h"

namespace {

struct Game {
    Game() {
        backend.setAudioDevice(false);
        tromfel::addWindows(runtime);
    }
    tromfel::LevelWindow& level(const char* name) { return static_cast<tromfel::LevelWindow&>(runtime.window(name)); }
    platform::HeadlessBackend backend;
    platform::Runtime runtime{backend, std::string(tromfel::ProgramTitle)};
};

void BM_Collision(benchmark::State& state) {
    Game game;
    tromfel::LevelWindow& level = game.level("frmLevel1");
    game.runtime.start(level);
    const platform::Element& object1 = level.element("object1");
    const platform::Element& tile = level.element("path1");
    for (auto _ : state) benchmark::DoNotOptimize(level.Collision(object1, tile));
}
BENCHMARK(BM_Collision);

// Ticks of a level left alone: it lands on path1 every 83 ticks and plays
// a sound (silently here), so this covers landing ticks as well.
void tickLevel(benchmark::State& state, const char* name) {
    Game game;
    tromfel::LevelWindow& level = game.level(name);
    game.runtime.start(level);
    for (auto _ : state) level.Timer1_Timer();
}

void BM_TickLevel1(benchmark::State& state) { tickLevel(state, "frmLevel1"); }
void BM_TickLevel2(benchmark::State& state) { tickLevel(state, "frmLevel2"); }
BENCHMARK(BM_TickLevel1);
BENCHMARK(BM_TickLevel2);

// The same 101 box tests as level two's tick, written out inline on plain
// floats: the floor against which the tick is measured.
void BM_PlainBoxTests101(benchmark::State& state) {
    Game game;
    tromfel::LevelWindow& level = game.level("frmLevel2");
    game.runtime.start(level);
    struct Box {
        float left, top, width, height;
    };
    std::vector<Box> boxes;
    for (const platform::Element& element : level.elements()) {
        if (element.name() != "object1") boxes.push_back({element.Left(), element.Top(), element.Width(), element.Height()});
    }
    Box player{256.25f, 7880, 480, 480};
    for (auto _ : state) {
        benchmark::DoNotOptimize(player);
        int touching = 0;
        for (const Box& box : boxes) {
            touching += box.left <= player.left + 500 && player.left <= box.left + box.width &&
                        box.top <= player.top + 500 && player.top <= box.top + box.height;
        }
        benchmark::DoNotOptimize(touching);
    }
    state.counters["boxes"] = static_cast<double>(boxes.size());
}
BENCHMARK(BM_PlainBoxTests101);

void showAndClose(benchmark::State& state, const char* name) {
    Game game;
    platform::Window& window = game.runtime.window(name);
    for (auto _ : state) {
        window.Show();
        window.Close();
        game.backend.clearRecords();
    }
}

void BM_ShowMenu(benchmark::State& state) { showAndClose(state, "frmMenu"); }
void BM_ShowLevel1(benchmark::State& state) { showAndClose(state, "frmLevel1"); }
void BM_ShowLevel2(benchmark::State& state) { showAndClose(state, "frmLevel2"); }
BENCHMARK(BM_ShowMenu);
BENCHMARK(BM_ShowLevel1);
BENCHMARK(BM_ShowLevel2);

}  // namespace

BENCHMARK_MAIN();
