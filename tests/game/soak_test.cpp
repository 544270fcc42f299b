// A million ticks of seeded random play across the menu and both levels,
// with the game's invariants checked after every tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

class Soak {
public:
    explicit Soak(unsigned seed) : random_(seed) { game_.runtime.start(game_.runtime.window(FirstWindow)); }

    void run(long ticks) {
        while (ticks_ < ticks && !::testing::Test::HasFailure()) {
            if (game_.menu().isOpen()) {
                playTheMenu();
            } else {
                playALevel(ticks);
            }
        }
    }

    long count(const Record& wanted) const { return std::count(game_.records().begin(), game_.records().end(), wanted); }

private:
    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    // Random pointer moves and clicks, leaving "Exit" alone, then "Start".
    void playTheMenu() {
        for (int moves = roll(20); moves > 0; --moves) {
            const auto x = static_cast<float>(roll(1024)), y = static_cast<float>(roll(768));
            game_.backend.moveMouse(x, y);
            if (roll(3) == 0 && game_.menu().elementAt(x, y) != &game_.menu().element("lblExit")) game_.backend.click(x, y);
        }
        game_.backend.click(StartX, StartY);
        game_.input();
    }

    // Random keys now and then; one visit in three follows a winning route
    // instead: level one straight down to the flag, level two to its flag
    // or by both spring pads and the bonus.
    void playALevel(long ticks) {
        LevelWindow& level = game_.level1().isOpen() ? game_.level1() : game_.level2();
        const bool levelTwo = &level == &game_.level2(), winning = roll(3) == 0, byTheBonus = roll(2) == 0;
        for (long tick = 0; ticks_ < ticks && level.isOpen() && !::testing::Test::HasFailure(); ++tick, ++ticks_) {
            if (winning) {
                steer(levelTwo, byTheBonus, tick);
            } else if (roll(40) == 0) {
                for (int burst = 1 + roll(6); burst > 0; --burst) {
                    std::int16_t code = 0;
                    while (code == 0 || code == VK_ESCAPE) code = static_cast<std::int16_t>(roll(256));
                    game_.backend.pressKey(code, static_cast<std::int16_t>(roll(8)));
                }
            }
            game_.ticks(1);
            checkInvariants(level, levelTwo);
        }
    }

    void steer(bool levelTwo, bool byTheBonus, long tick) {
        const auto press = [&](std::int16_t code, int count) {
            for (int i = 0; i < count; ++i) game_.backend.pressKey(code);
        };
        if (tick == 83 && !levelTwo) press(VK_DOWN, 28);
        if (tick == 83 && levelTwo && !byTheBonus) press(VK_RIGHT, 9), press(VK_UP, 14);
        if (!levelTwo || !byTheBonus) return;
        if (tick == 83) press(VK_RIGHT, 41), press(VK_UP, 15);
        if (tick == 166) press(VK_UP, 3);
        if (tick == 166 + 74) press(VK_DOWN, 3);
        if (tick == 166 + 163) press(VK_LEFT, 32), press(VK_DOWN, 1);
    }

    void checkInvariants(LevelWindow& level, bool levelTwo) {
        ASSERT_FALSE(game_.runtime.ended()) << "the program ended";
        ASSERT_EQ(game_.menu().isOpen() + game_.level1().isOpen() + game_.level2().isOpen(), 1) << "tick " << ticks_;
        if (!level.isOpen()) return;  // the tick left the level
        const Element& object1 = level.element("object1");
        ASSERT_GE(object1.Left(), 0.0f);
        ASSERT_GE(object1.Top(), 0.0f);
        ASSERT_LE(object1.Left(), levelTwo ? 9800.0f : 7880.0f);
        ASSERT_LE(object1.Top(), levelTwo ? 7880.0f : 5960.0f);
        ASSERT_EQ(object1.Width(), object1.Height());
        const float steps = (object1.Width() - 480) / 12.5f;
        ASSERT_EQ(steps, static_cast<float>(static_cast<int>(steps))) << object1.Width();
        ASSERT_TRUE(object1.Width() >= 480 && object1.Width() <= 1492.5f) << object1.Width();
        ASSERT_TRUE(level.BouncePhase == 0 || level.BouncePhase == 1);
    }

    Game game_;
    std::mt19937 random_;
    long ticks_ = 0;
};

TEST(Soak, AMillionTicksOfRandomPlayKeepEveryInvariantAndTakeEveryWayOut) {
    const char* text = std::getenv("TROMFEL_SOAK_SEED");
    const unsigned seed = text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : 20261206u;
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set TROMFEL_SOAK_SEED to replay it)");
    Soak soak(seed);
    soak.run(1'000'000);
    EXPECT_GT(soak.count(Game::message("You are dead", 0)), 10);
    EXPECT_GT(soak.count(Game::message("You won! Go to Level2!", 48)), 10);
    EXPECT_GT(soak.count(Game::message("You won! Go to Level3!", 48)), 10);
    EXPECT_GT(soak.count(Game::sound("\\10.wav")), 0);
}

}  // namespace
}  // namespace tromfel::testing
