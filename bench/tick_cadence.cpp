// The tick cadence of the real event loop: a window with a timer runs for
// the seconds given and reports the ticks per second and the shortest and
// longest gaps between two ticks. Given a folder as well, every tick also
// plays its "path.wav" through the real backend, as the game does at a landing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
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
    Cadence(platform::Runtime& runtime, double seconds, std::string folder)
        : platform::Window(runtime, frmCadence), seconds_(seconds), folder_(std::move(folder)) {}

    void Timer1_Timer() override {
        ticks_.push_back(platform::Clock::now());
        if (!folder_.empty()) sounds_ += runtime().sndPlaySound(folder_ + "\\path.wav", 1);
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
        if (!folder_.empty()) std::printf("sounds started %d of %zu\n", sounds_, ticks_.size());
    }

private:
    double seconds_;
    std::string folder_;
    int sounds_ = 0;
    std::vector<platform::TimePoint> ticks_;
};

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 20;
    const auto backend = platform::createSdlBackend();
    platform::Runtime runtime(*backend, "Tromfel");
    Cadence window(runtime, seconds, argc > 2 ? argv[2] : "");
    runtime.run(window);
    window.report();
}
