// Damage tracking draws exactly what a whole redraw would: seeded random
// play through both levels and the menu, every frame compared pixel for
// pixel with the whole window drawn afresh.
#include <gtest/gtest.h>

#include <random>

#include "level/level_window.h"
#include "menu/menu_window.h"
#include "platform/keys.h"
#include "sdl_game.h"

namespace testing_sdl {
namespace {

class Play {
public:
    explicit Play(unsigned seed) : random_(seed) {}

    // Draws the frame that follows a step, as the event loop does, and
    // checks it against the whole window drawn again.
    void frame(const std::string& step) {
        platform::Window& window = *game.runtime.activeWindow();
        if (window.takeDirty()) game.backend.draw(window);
        platform::SdlScreen& screen = game.backend.screen(window);
        const SDL_Surface& surface = *SDL_GetWindowSurface(screen.window());
        const auto* pixels = static_cast<const std::uint8_t*>(surface.pixels);
        const std::vector<std::uint8_t> drawn(pixels, pixels + surface.h * surface.pitch);
        screen.drawWhole();
        if (!std::equal(drawn.begin(), drawn.end(), pixels)) {
            const auto at = std::mismatch(drawn.begin(), drawn.end(), pixels).first - drawn.begin();
            FAIL() << "after step " << steps_ << " (" << step << ") in " << window.name() << ", at pixel "
                   << at % surface.pitch / 4 << ", " << at / surface.pitch;
        }
        ++steps_;
    }

    // Ticks and steering keys in a level, pointer moves over the menu after
    // a death, until `count` frames have been compared.
    void play(const char* level, int count) {
        open(level);
        const int last = steps_ + count;
        while (steps_ < last && !::testing::Test::HasFatalFailure()) {
            platform::Window& window = *game.runtime.activeWindow();
            if (window.name() == "frmMenu") {
                // Mostly around the labels, whose colours follow the pointer.
                const bool nearLabels = roll(4) != 0;
                const auto x = static_cast<float>(nearLabels ? 600 + roll(200) : roll(1024));
                const auto y = static_cast<float>(nearLabels ? 200 + roll(220) : roll(768));
                window.MouseMove(window.elementAt(x, y));
                frame("pointer moved");
                if (roll(8) == 0) open(level);
            } else if (roll(4) == 0) {
                std::int16_t key = Keys[roll(std::size(Keys))], shift = 0;
                window.Form_KeyDown(key, shift);
                frame("key " + std::to_string(key));
            } else {
                window.Timer1_Timer();
                frame("tick");
            }
        }
    }

    void open(const char* name) {
        game.runtime.activeWindow()->Close();
        game.runtime.window(name).Show();
        frame(std::string("opened ") + name);
    }

    SdlGame game;

private:
    static constexpr std::int16_t Keys[] = {platform::VK_LEFT, platform::VK_RIGHT, platform::VK_UP,
                                            platform::VK_DOWN, platform::VK_HOME,  platform::VK_SPACE};
    int roll(std::size_t below) { return std::uniform_int_distribution<int>(0, static_cast<int>(below) - 1)(random_); }

    std::mt19937 random_;
    int steps_ = 0;
};

TEST(Damage, EveryFrameOfRandomPlayEqualsAWholeRedraw) {
    Play play(20261206);
    play.game.runtime.start(play.game.runtime.window(tromfel::FirstWindow));
    play.play("frmLevel1", 1500);
    play.play("frmLevel2", 1500);
    EXPECT_GT(play.game.boxes.answered, 5) << "deaths led through the menu";
}

// Stretched pictures, the ball and the bonus: the ball bouncing partly
// under the bonus, then level two's worked example, a high bounce from the
// spring pads steered up into P10, which vanishes without a trace.
TEST(Damage, TheBallUnderTheBonusAndTheBonusTakenLeaveNothingBehind) {
    Play play(1);
    play.game.runtime.start(play.game.runtime.window("frmLevel2"));
    auto& level = static_cast<tromfel::LevelWindow&>(*play.game.runtime.activeWindow());
    platform::Element& object1 = level.element("object1");
    object1.set(platform::Prop::Left, 8200);
    object1.set(platform::Prop::Top, 3500);
    for (int tick = 0; tick < 82; ++tick) {
        level.Timer1_Timer();
        play.frame("tick under the bonus");
    }
    object1.set(platform::Prop::Left, 8456.25f);
    object1.set(platform::Prop::Top, 4880);
    for (int tick = 0; tick < 1 + 74; ++tick) {
        if (tick == 1 || tick == 2 || tick == 3) {
            std::int16_t up = platform::VK_UP, shift = 0;
            level.Form_KeyDown(up, shift);
        }
        level.Timer1_Timer();
        play.frame("tick of the high bounce");
    }
    EXPECT_FALSE(level.element("P10").Visible());
}

}  // namespace
}  // namespace testing_sdl
