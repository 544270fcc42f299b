// What the SDL2 backend draws, read back from its software renderer on SDL's
// dummy video driver: background, drawing order, stretching, hiding, labels
// and the colour byte order of the designs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/sdl/sdl_backend.h"
#include "tests/platform/test_designs.h"

namespace testing_platform {
namespace {

using platform::ElementDesign;
using platform::ElementKind;

// As ARGB: background 0xFF804020, label 0xFF103060 with text 0xFFE0C040.
// Pixels: the ball (32x32 at its own size in a 64x64 element) at (40,40) on
// the tile stretched from 64x64 to 128x256 at (0,0); the label 60x60 at
// (110,150), its caption far wider than that; a spare tile at its own 64x64
// size in a 20x20 element at (300,100).
const ElementDesign drawElements[] = {
    {.name = "imgBall", .kind = ElementKind::Picture, .left = 600, .top = 600, .width = 960, .height = 960,
     .picture = "player.png", .stretch = false},
    {.name = "lblCaption", .kind = ElementKind::Label, .left = 1650, .top = 2250, .width = 900, .height = 900,
     .caption = "Ill clipped", .fontName = "Arial", .fontPoints = 24, .foreColor = 0x40C0E0,
     .backColor = 0x603010},
    {.name = "imgTile", .kind = ElementKind::Picture, .left = 0, .top = 0, .width = 1920, .height = 3840,
     .picture = "level1_path.png", .stretch = true},
    {.name = "imgSpare", .kind = ElementKind::Picture, .left = 4500, .top = 1500, .width = 300, .height = 300,
     .picture = "level1_path.png", .stretch = false},
};

const platform::WindowDesign frmDraw{
    .name = "frmDraw",
    .caption = "Draw test",
    .clientWidth = 6000,
    .clientHeight = 4500,
    .background = 0x204080,
    .elements = drawElements,
};

constexpr std::uint32_t Background = 0xFF804020, LabelBack = 0xFF103060, LabelText = 0xFFE0C040;
constexpr std::uint32_t Black = 0xFF000000, LightGrey = 0xFFC0C0C0, MidGrey = 0xFF808080, Red = 0xFFFF0000;

struct Harness {
    // Set before the backend starts SDL: no display and no sound card needed.
    struct Drivers {
        Drivers() {
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
        }
    } drivers;
    platform::SdlBackend backend;
    platform::Runtime runtime{backend, "Tromfel"};
    platform::Window window;

    explicit Harness(const platform::WindowDesign& design) : window(runtime, design) { runtime.start(window); }

    void redraw() { runtime.runUntil(backend.now()); }

    struct Shot {
        platform::PixelSize size;
        std::vector<std::uint32_t> pixels;
        std::uint32_t at(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * size.width + x); }
        // How many pixels of exactly `colour` lie in [left, right) x [top, bottom).
        int count(std::uint32_t colour, int left, int top, int right, int bottom) const {
            int found = 0;
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) found += at(x, y) == colour;
            }
            return found;
        }
        int count(std::uint32_t colour) const { return count(colour, 0, 0, size.width, size.height); }
        int inLabel(std::uint32_t colour) const { return count(colour, 110, 150, 170, 210); }
    };
    Shot shot() {
        Shot shot;
        shot.pixels = backend.screen(window).capture(shot.size);
        return shot;
    }
};

TEST(SdlDraw, TheTestWindowFillsTheDisplayWithItsBackgroundAndDrawsTheFirstEntryOnTop) {
    Harness h(frmTest);
    const auto shot = h.shot();
    ASSERT_EQ(shot.size.width, h.window.clientPixels().width);
    ASSERT_EQ(shot.size.height, h.window.clientPixels().height);
    EXPECT_EQ(shot.at(100, 100), 0xFF00FF00u);
    EXPECT_EQ(shot.at(shot.size.width - 1, shot.size.height - 1), 0xFF00FF00u);
    // The label (2,2)-(22,12), blue as 0xFF0000, over the stretched picture
    // (10,10)-(30,20) over the plain one (0,0)-(64,64).
    EXPECT_EQ(shot.at(21, 11), 0xFF0000FFu);
    EXPECT_EQ(shot.at(25, 15), MidGrey);
    EXPECT_EQ(shot.at(0, 0), Black);
    EXPECT_EQ(shot.at(3, 40), LightGrey);
    EXPECT_EQ(shot.at(5, 40), Black);
    EXPECT_EQ(shot.at(40, 40), MidGrey);
    EXPECT_EQ(shot.at(63, 63), Black);
    EXPECT_EQ(shot.at(64, 30), 0xFF00FF00u);
    EXPECT_EQ(shot.at(30, 64), 0xFF00FF00u);
}

TEST(SdlDraw, AStretchedPictureFillsItsRectangleAndAPlainOneKeepsItsOwnSize) {
    Harness h(frmDraw);
    const auto shot = h.shot();
    EXPECT_EQ(shot.at(500, 500), Background);
    // Each picture pixel of the tile becomes 2 x 4 screen pixels.
    EXPECT_EQ(shot.at(0, 0), Black);
    EXPECT_EQ(shot.at(1, 3), Black);
    EXPECT_EQ(shot.at(2, 4), LightGrey);
    EXPECT_EQ(shot.at(9, 19), LightGrey);
    EXPECT_EQ(shot.at(10, 20), Black);
    EXPECT_EQ(shot.at(11, 23), Black);
    EXPECT_EQ(shot.at(12, 24), MidGrey);
    EXPECT_EQ(shot.at(125, 251), LightGrey);
    EXPECT_EQ(shot.at(126, 252), Black);
    EXPECT_EQ(shot.at(127, 255), Black);
    EXPECT_EQ(shot.at(128, 255), Background);
    EXPECT_EQ(shot.at(127, 256), Background);
    // The ball over the tile: red inside, the tile through its transparent
    // corners and beyond its own 32 pixels.
    EXPECT_EQ(shot.at(56, 56), Red);
    EXPECT_EQ(shot.at(40, 40), MidGrey);
    EXPECT_EQ(shot.at(80, 72), MidGrey);
}

TEST(SdlDraw, ALabelFillsItsRectangleOverWhatIsBelowAndClipsItsTextInItsForeColour) {
    Harness h(frmDraw);
    auto shot = h.shot();
    EXPECT_EQ(shot.at(110, 209), LabelBack);  // over the tile
    EXPECT_EQ(shot.at(169, 209), LabelBack);
    EXPECT_EQ(shot.at(170, 209), Background);
    EXPECT_EQ(shot.at(169, 210), Background);
    EXPECT_GT(shot.inLabel(LabelText), 0);
    EXPECT_EQ(shot.count(LabelText), shot.inLabel(LabelText));

    // A new fore colour redraws the text in it: 0x0080FF is orange.
    h.window.element("lblCaption").setForeColor(0x0080FF);
    h.redraw();
    shot = h.shot();
    EXPECT_GT(shot.inLabel(0xFFFF8000), 0);
    EXPECT_EQ(shot.count(0xFFFF8000), shot.inLabel(0xFFFF8000));
    EXPECT_EQ(shot.count(LabelText), 0);
}

TEST(SdlDraw, HiddenElementsAreNotDrawnAndReappearWhenShownAgain) {
    Harness h(frmDraw);
    auto shot = h.shot();
    EXPECT_EQ(shot.at(300, 100), Black);
    EXPECT_EQ(shot.at(330, 130), MidGrey);

    for (const char* name : {"imgBall", "lblCaption", "imgSpare"}) h.window.element(name).setVisible(false);
    h.redraw();
    shot = h.shot();
    EXPECT_EQ(shot.at(56, 56), MidGrey);
    EXPECT_EQ(shot.at(110, 209), MidGrey);
    EXPECT_EQ(shot.at(169, 209), Background);
    EXPECT_EQ(shot.count(LabelText), 0);
    EXPECT_EQ(shot.at(300, 100), Background);
    EXPECT_EQ(shot.at(330, 130), Background);

    for (const char* name : {"imgBall", "lblCaption", "imgSpare"}) h.window.element(name).setVisible(true);
    h.redraw();
    shot = h.shot();
    EXPECT_EQ(shot.at(56, 56), Red);
    EXPECT_EQ(shot.at(169, 209), LabelBack);
    EXPECT_GT(shot.inLabel(LabelText), 0);
    EXPECT_EQ(shot.at(300, 100), Black);
}

}  // namespace
}  // namespace testing_platform
