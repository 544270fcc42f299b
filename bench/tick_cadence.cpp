// The tick cadence of the real event loop: a window with a timer runs for
// the seconds given and reports the ticks per second and the shortest and
// longest gaps between two ticks.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/runtime.h"
#include "platform/sdl_backend_factory.h"
#include "platform/window.h"

namespace {

const platform::WindowDesign frmCadence{
    .name = "frmCadence",
    .caption = "Tick cadence",
    .clientWidth = 8640,
    .clientHeight = 6750,
    .background = 0,
    .timer = {"Timer1", 1},
    .elements = {},
};

class Cadence : public platform::Window {
public:
    Cadence(platform::Runtime& runtime, double seconds) : platform::Window(runtime, frmCadence), seconds_(seconds) {}

    void Timer1_Timer() override {
        ticks_.push_back(platform::Clock::now());
        if (ticks_.back() - ticks_.front() >= std::chrono::duration<double>(seconds_)) runtime().EndProgram();
    }

    void report() const {
        std::vector<double> gaps;
        for (std::size_t i = 1; i < ticks_.size(); ++i) {
            gaps.push_back(std::chrono::duration<double, std::milli>(ticks_[i] - ticks_[i - 1]).count());
        }
        const double span = std::chrono::duration<double>(ticks_.back() - ticks_.front()).count();
        std::printf("ticks %zu in %.3f s: %.3f per second (%.2f %% off 64)\n", ticks_.size(), span,
                    static_cast<double>(gaps.size()) / span, (static_cast<double>(gaps.size()) / span / 64 - 1) * 100);
        std::printf("gap between ticks: shortest %.3f ms, longest %.3f ms\n",
                    *std::min_element(gaps.begin(), gaps.end()), *std::max_element(gaps.begin(), gaps.end()));
    }

private:
    double seconds_;
    std::vector<platform::TimePoint> ticks_;
};

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 20;
    const auto backend = platform::createSdlBackend();
    platform::Runtime runtime(*backend, "Tromfel");
    Cadence window(runtime, seconds);
    runtime.run(window);
    window.report();
}
