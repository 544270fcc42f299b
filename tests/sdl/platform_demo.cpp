// A small program on the SDL2 backend for the end-to-end test: it reports
// keys and timer ticks on stdout and shows a message box on request.
#include <cstdint>
#include <iostream>

#include "platform/runtime.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl_backend_factory.h"
#include "platform/window.h"

namespace {

using platform::ElementDesign;
using platform::ElementKind;

// Pixels: the ball at (10,10) at its own size, the tile at (100,20) as 64x64,
// the label at (200,20) as 120x30; background 0x3060A0 as RGB.
const ElementDesign demoElements[] = {
    {.name = "lblTitle", .kind = ElementKind::Label, .left = 3000, .top = 300, .width = 1800, .height = 450,
     .caption = "Demo", .fontName = "Arial", .fontPoints = 12, .foreColor = 0x000000, .backColor = 0x80FFFF},
    {.name = "imgBall", .kind = ElementKind::Picture, .left = 150, .top = 150, .width = 960, .height = 960,
     .picture = "player.png", .stretch = false},
    {.name = "imgTile", .kind = ElementKind::Picture, .left = 1500, .top = 300, .width = 960, .height = 960,
     .picture = "level1_path.png", .stretch = true},
};

const platform::WindowDesign frmDemo{
    .name = "frmDemo",
    .caption = "Platform demo",
    .clientWidth = 6000,
    .clientHeight = 4500,
    .background = 0xA06030,
    .timer = {"Timer1", 10},
    .elements = demoElements,
};

class DemoWindow : public platform::Window {
public:
    using platform::Window::Window;

    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t&) override {
        std::cout << "key " << KeyCode << std::endl;
        if (KeyCode == 27) runtime().EndProgram();
        if (KeyCode == 'M') {
            runtime().ShowMessage("Hello from the demo", platform::MessageExclamation);
            std::cout << "message closed" << std::endl;
        }
    }

    void Timer1_Timer() override {
        if (++ticks_ % 64 == 0) std::cout << "ticks " << ticks_ << std::endl;
    }

private:
    long ticks_ = 0;
};

}  // namespace

int main() {
    platform::SdlBackend backend;
    platform::Runtime runtime(backend, "Tromfel");
    DemoWindow window(runtime, frmDemo);
    platform::exitAtOnce(runtime.run(window));
}
