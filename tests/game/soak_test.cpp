// A million ticks of seeded random play across the menu and both levels,
// with the game's invariants checked after every tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

struct Soak {
    Game game;
    std::mt19937 random;
    long ticks = 0;

    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    void press(std::int16_t code, int count) {
        for (int i = 0; i < count; ++i) game.backend.pressKey(code, static_cast<std::int16_t>(roll(8)));
    }

    // Random pointer moves and clicks, leaving "Exit" alone, then "Start".
    void playTheMenu() {
        for (int moves = roll(20); moves > 0; --moves) {
            const auto x = static_cast<float>(roll(1024)), y = static_cast<float>(roll(768));
            game.backend.moveMouse(x, y);
            if (roll(3) == 0 && game.menu().elementAt(x, y) != &game.menu().element("lblExit")) game.backend.click(x, y);
        }
        game.backend.click(StartX, StartY);
        game.input();
    }

    // Bursts of random keys now and then, any but Escape, some repeated; one
    // visit in three follows a winning route instead.
    void playALevel(long last) {
        LevelWindow& level = game.level1().isOpen() ? game.level1() : game.level2();
        const bool levelTwo = &level == &game.level2(), winning = roll(3) == 0, byTheBonus = roll(2) == 0;
        for (long tick = 0; ticks < last && level.isOpen() && !::testing::Test::HasFailure(); ++tick, ++ticks) {
            if (winning) steer(levelTwo, byTheBonus, tick);
            for (int burst = roll(40) == 0 && !winning ? 1 + roll(6) : 0; burst > 0; --burst) {
                const auto code = static_cast<std::int16_t>(roll(256));
                if (code != VK_ESCAPE) press(code, 1 + roll(2));
            }
            game.ticks(1);
            checkInvariants(level, levelTwo);
        }
    }

    // Level one straight down to the flag; level two to its flag, or first
    // by both spring pads and the bonus.
    void steer(bool levelTwo, bool byTheBonus, long tick) {
        if (tick == 83 && !levelTwo) press(VK_DOWN, 28);
        if (tick == 83 && levelTwo && !byTheBonus) press(VK_RIGHT, 9), press(VK_UP, 14);
        if (!levelTwo || !byTheBonus) return;
        if (tick == 83) press(VK_RIGHT, 41), press(VK_UP, 15);
        if (tick == 166) press(VK_UP, 3);
        if (tick == 166 + 74) press(VK_DOWN, 3);
        if (tick == 166 + 163) press(VK_LEFT, 32), press(VK_DOWN, 1);
    }

    void checkInvariants(LevelWindow& level, bool levelTwo) {
        ASSERT_FALSE(game.runtime.ended()) << "the program ended";
        ASSERT_EQ(game.menu().isOpen() + game.level1().isOpen() + game.level2().isOpen(), 1) << "tick " << ticks;
        if (!level.isOpen()) return;  // the tick left the level
        const Element& object1 = level.element("object1");
        ASSERT_TRUE(object1.Left() >= 0 && object1.Left() <= (levelTwo ? 9800 : 7880)) << object1.Left();
        ASSERT_TRUE(object1.Top() >= 0 && object1.Top() <= (levelTwo ? 7880 : 5960)) << object1.Top();
        ASSERT_EQ(object1.Width(), object1.Height());
        const float steps = (object1.Width() - 480) / 12.5f;
        ASSERT_TRUE(steps == static_cast<int>(steps) && steps >= 0 && steps <= 81) << object1.Width();
        ASSERT_TRUE(level.BouncePhase == 0 || level.BouncePhase == 1);
    }
};

TEST(Soak, AMillionTicksOfRandomPlayKeepEveryInvariantAndTakeEveryWayOut) {
    const char* text = std::getenv("TROMFEL_SOAK_SEED");
    const unsigned seed = text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : 20261206u;
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set TROMFEL_SOAK_SEED to replay it)");
    Soak soak;
    soak.random.seed(seed);
    soak.game.runtime.start(soak.game.runtime.window(FirstWindow));
    while (soak.ticks < 1'000'000 && !::testing::Test::HasFailure()) {
        soak.game.menu().isOpen() ? soak.playTheMenu() : soak.playALevel(1'000'000);
    }
    const auto count = [&](const Record& wanted) { return std::count(soak.game.records().begin(), soak.game.records().end(), wanted); };
    EXPECT_GT(count(Game::message("You are dead", 0)), 10);
    EXPECT_GT(count(Game::message("You won! Go to Level2!", 48)), 10);
    EXPECT_GT(count(Game::message("You won! Go to Level3!", 48)), 10);
    EXPECT_GT(count(Game::sound("\\10.wav")), 0);
}

}  // namespace
}  // namespace tromfel::testing
