// What the SDL2 backend's software renderer draws on SDL's dummy video
// driver: a whole frame's order, stretching and labels;
// and damage tracking drawing exactly what a whole redraw would, in seeded
// random play through both levels and the menu, compared pixel for pixel.
#include <gtest/gtest.h>

#include <random>

#include "level/level_window.h"
#include "platform/keys.h"
#include "sdl_game.h"

namespace testing_sdl {
namespace {

using namespace platform;

// Pixels: the ball (32 x 32 at its own size in a 64 x 64 element) at
// (40,40) over the path tile stretched from 64 x 64 to 128 x 256 at (0,0);
// the label 60 x 60 at (110,150), its caption far wider than that.
const ElementDesign drawElements[] = {
    {.name = "imgBall", .left = 600, .top = 600, .width = 960, .height = 960, .picture = "player.png"},
    {.name = "lblCaption", .kind = ElementKind::Label, .left = 1650, .top = 2250, .width = 900, .height = 900,
     .caption = "Ill clipped", .fontName = "Arial", .fontPoints = 24, .foreColor = 0x40C0E0, .backColor = 0x603010},
    {.name = "imgTile", .left = 0, .top = 0, .width = 1920, .height = 3840, .picture = "level1_path.png", .stretch = true},
};
const WindowDesign frmDraw{.name = "frmDraw", .caption = "Draw test", .clientWidth = 6000, .clientHeight = 4500,
                           .background = 0x204080, .elements = drawElements};

TEST(Draw, TheFirstEntryOnTopStretchedPicturesFillTheirRectangleAndLabelsClipTheirText) {
    SdlGame game;
    Window window(game.runtime, frmDraw);
    game.runtime.start(window);
    const Shot shot(game.backend.screen(window).window());
    const std::uint32_t background = 0xFF804020, labelText = 0xFFE0C040;
    EXPECT_EQ(shot.at(500, 500), background);
    // Each pixel of the tile picture becomes 2 x 4 pixels: black edge, grey band, grey middle.
    EXPECT_EQ(std::vector<std::uint32_t>({shot.at(1, 3), shot.at(2, 4), shot.at(12, 24), shot.at(127, 255), shot.at(128, 255)}),
              (std::vector<std::uint32_t>{0xFF000000, 0xFFC0C0C0, 0xFF808080, 0xFF000000, background}));
    EXPECT_EQ(shot.at(56, 56), 0xFFFF0000) << "the ball over the tile";
    EXPECT_EQ(shot.at(40, 40), 0xFF808080) << "the tile through the ball's corner";
    EXPECT_EQ(shot.at(110, 209), 0xFF103060) << "the label's background over the tile";
    EXPECT_EQ(shot.at(170, 209), background);
    EXPECT_GT(shot.count(labelText), 0);
    EXPECT_EQ(shot.count(labelText), shot.count(labelText, 110, 150, 170, 210)) << "the text clipped to the label";
}

struct Play {
    SdlGame game;
    std::mt19937 random{20261206};
    int frames = 0;

    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    Window& window() { return *game.runtime.activeWindow(); }

    // Draws the frame that follows a step, as the event loop does, and
    // checks it against the whole window drawn again.
    void frame(const char* step) {
        if (window().takeDirty()) game.backend.draw(window());
        const Shot drawn(game.backend.screen(window()).window());
        game.backend.screen(window()).drawWhole();
        const Shot whole(game.backend.screen(window()).window());
        ASSERT_TRUE(drawn.pixels == whole.pixels) << "frame " << frames << " (" << step << ") in " << window().name();
        ++frames;
    }
    void open(const char* name) {
        window().Close();
        game.runtime.window(name).Show();
        frame("opened");
    }
    void key(std::int16_t code) {
        std::int16_t shift = 0;
        window().Form_KeyDown(code, shift);
        frame("key");
    }
    void tick() {
        window().Timer1_Timer();
        frame("tick");
    }

    // Ticks and steering keys in a level; after a death, pointer moves over
    // the menu, mostly around the labels, until the level is opened again.
    void play(const char* level, int count) {
        open(level);
        for (const int last = frames + count; frames < last && !::testing::Test::HasFatalFailure();) {
            if (window().name() == "frmMenu") {
                const bool nearLabels = roll(4) != 0;
                const auto x = static_cast<float>(nearLabels ? 600 + roll(200) : roll(1024));
                const auto y = static_cast<float>(nearLabels ? 200 + roll(220) : roll(768));
                window().MouseMove(window().elementAt(x, y));
                frame("pointer moved");
                if (roll(8) == 0) open(level);
            } else if (roll(4) == 0) {
                const std::int16_t keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_SPACE};
                key(keys[roll(6)]);
            } else {
                tick();
            }
        }
    }
};

TEST(Damage, EveryFrameOfRandomPlayEqualsAWholeRedraw) {
    Play play;
    play.game.runtime.start(play.game.runtime.window(tromfel::FirstWindow));
    play.play("frmLevel1", 1500);
    play.play("frmLevel2", 1500);
    EXPECT_GT(play.game.boxesAnswered, 5) << "deaths led through the menu";
}

// Stretched pictures: the ball bouncing partly under the bonus, then level
// two's worked example, a high bounce from the spring pads steered up into
// P10, which vanishes without a trace.
TEST(Damage, TheBallUnderTheBonusAndTheBonusTakenLeaveNothingBehind) {
    Play play;
    play.game.runtime.start(play.game.runtime.window("frmLevel2"));
    Element& object1 = play.window().element("object1");
    object1.set(Prop::Left, 8200);
    object1.set(Prop::Top, 3500);
    for (int tick = 0; tick < 82; ++tick) play.tick();
    object1.set(Prop::Left, 8456.25f);
    object1.set(Prop::Top, 4880);
    play.tick();  // lands on both spring pads
    for (int i = 0; i < 3; ++i) play.key(VK_UP);
    for (int tick = 0; tick < 74; ++tick) play.tick();
    EXPECT_FALSE(play.window().element("P10").Visible());
}

}  // namespace
}  // namespace testing_sdl
