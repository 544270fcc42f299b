// What a window shows, drawn by the SDL2 backend's software renderer on
// SDL's dummy video driver: background, drawing order, stretching, labels
// and their colours, hidden elements.
#include <gtest/gtest.h>

#include "sdl_game.h"

namespace testing_sdl {
namespace {

using platform::ElementDesign;
using platform::ElementKind;

// Pixels: the ball (32 x 32 at its own size in a 64 x 64 element) at
// (40,40) over the path tile stretched from 64 x 64 to 128 x 256 at (0,0);
// the label 60 x 60 at (110,150), its caption far wider than that.
const ElementDesign drawElements[] = {
    {.name = "imgBall", .left = 600, .top = 600, .width = 960, .height = 960, .picture = "player.png"},
    {.name = "lblCaption", .kind = ElementKind::Label, .left = 1650, .top = 2250, .width = 900, .height = 900,
     .caption = "Ill clipped", .fontName = "Arial", .fontPoints = 24, .foreColor = 0x40C0E0, .backColor = 0x603010},
    {.name = "imgTile", .left = 0, .top = 0, .width = 1920, .height = 3840, .picture = "level1_path.png", .stretch = true},
};
const platform::WindowDesign frmDraw{.name = "frmDraw", .caption = "Draw test", .clientWidth = 6000,
                                     .clientHeight = 4500, .background = 0x204080, .elements = drawElements};

constexpr std::uint32_t Background = 0xFF804020, LabelBack = 0xFF103060, LabelText = 0xFFE0C040;
constexpr std::uint32_t Black = 0xFF000000, LightGrey = 0xFFC0C0C0, MidGrey = 0xFF808080, Red = 0xFFFF0000;

TEST(Draw, TheFirstEntryOnTopStretchedPicturesFillTheirRectangleAndLabelsClipTheirText) {
    SdlGame game;
    platform::Window window(game.runtime, frmDraw);
    game.runtime.start(window);
    SDL_Window* shown = game.backend.screen(window).window();
    {
        const Shot shot(shown);
        EXPECT_EQ(shot.at(500, 500), Background);
        // Each pixel of the tile picture becomes 2 x 4 pixels.
        EXPECT_EQ(shot.at(1, 3), Black);
        EXPECT_EQ(shot.at(2, 4), LightGrey);
        EXPECT_EQ(shot.at(12, 24), MidGrey);
        EXPECT_EQ(shot.at(127, 255), Black);
        EXPECT_EQ(shot.at(128, 255), Background);
        // The ball over the tile: the tile shows through its corners.
        EXPECT_EQ(shot.at(56, 56), Red);
        EXPECT_EQ(shot.at(40, 40), MidGrey);
        // The label over the tile, filled, its text only inside it.
        EXPECT_EQ(shot.at(110, 209), LabelBack);
        EXPECT_EQ(shot.at(170, 209), Background);
        EXPECT_GT(shot.count(LabelText, 110, 150, 170, 210), 0);
        EXPECT_EQ(shot.count(LabelText), shot.count(LabelText, 110, 150, 170, 210));
    }
    window.element("lblCaption").setForeColor(0x0080FF);  // orange
    window.element("imgBall").setVisible(false);
    game.runtime.runUntil(game.backend.now());
    const Shot shot(shown);
    EXPECT_GT(shot.count(0xFFFF8000, 110, 150, 170, 210), 0);
    EXPECT_EQ(shot.count(LabelText), 0);
    EXPECT_EQ(shot.at(56, 56), MidGrey);
}

}  // namespace
}  // namespace testing_sdl
