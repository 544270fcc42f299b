// A million ticks of seeded random play across the menu and both levels,
// with the game's invariants checked after every tick.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

constexpr long SoakTicks = 1'000'000;

unsigned seedFromEnvironment() {
    const char* text = std::getenv("TROMFEL_SOAK_SEED");
    return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : 20261206u;
}

class Soak {
public:
    explicit Soak(unsigned seed) : random_(seed) { game_.program.start(); }

    void run() {
        while (ticks_ < SoakTicks && !::testing::Test::HasFailure()) {
            if (game_.program.menu().isOpen()) {
                playTheMenu();
            } else {
                playALevel();
            }
        }
    }

    // The run saw deaths, wins of both levels and the bonus.
    void expectEveryWayOut() const {
        EXPECT_EQ(ticks_, SoakTicks);
        const auto count = [&](const Record& wanted) {
            return std::count(game_.records().begin(), game_.records().end(), wanted);
        };
        EXPECT_GT(count(Game::message("You are dead", 0)), 10);
        EXPECT_GT(count(Game::message("You won! Go to Level2!", 48)), 10);
        EXPECT_GT(count(Game::message("You won! Go to Level3!", 48)), 10);
        EXPECT_GT(count(Game::sound("\\10.wav")), 0);
    }

private:
    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    // Random pointer moves and clicks; "Exit" is left out, and "Start" is
    // clicked in the end.
    void playTheMenu() {
        MenuWindow& menu = game_.program.menu();
        const int moves = roll(20);
        for (int i = 0; i < moves; ++i) {
            const float x = static_cast<float>(roll(1024)), y = static_cast<float>(roll(768));
            game_.backend.moveMouse(x, y);
            if (roll(3) == 0 && menu.elementAt(x, y) != &menu.element("lblExit")) game_.backend.click(x, y);
        }
        game_.backend.click(9680 / 15 + 5, 3850 / 15 + 5);
        game_.input();
        ASSERT_FALSE(game_.runtime.ended()) << "the menu ended the program";
    }

    // A burst of random keys between two ticks, now and then; some visits
    // follow the winning route instead, so that wins and the bonus happen.
    void playALevel() {
        LevelWindow& level = game_.program.level1().isOpen() ? game_.program.level1() : game_.program.level2();
        const bool levelTwo = &level == &game_.program.level2();
        const bool winningVisit = roll(3) == 0;
        const bool byTheBonus = roll(2) == 0;
        const auto opened = std::make_pair(game_.program.level1().isOpen(), game_.program.level2().isOpen());
        long visitTick = 0;
        while (ticks_ < SoakTicks && std::make_pair(game_.program.level1().isOpen(), game_.program.level2().isOpen()) == opened) {
            if (winningVisit) {
                steerToTheGoal(levelTwo, byTheBonus, visitTick);
            } else if (roll(40) == 0) {
                const int burst = 1 + roll(6);
                for (int i = 0; i < burst; ++i) pressRandomKey();
            }
            game_.ticks(1);
            ++ticks_;
            ++visitTick;
            checkInvariants(level);
            if (::testing::Test::HasFailure()) return;
        }
    }

    void pressRandomKey() {
        std::int16_t code = 0;
        do code = static_cast<std::int16_t>(roll(256));
        while (code == platform::VK_ESCAPE);
        game_.backend.pressKey(code, static_cast<std::int16_t>(roll(8)));
        if (roll(4) == 0) game_.backend.pressKey(code);  // a repeat
    }

    // The routes of the headless game tests: level one straight down to the
    // flag; level two to the flag, or by both spring pads and the bonus.
    void steerToTheGoal(bool levelTwo, bool byTheBonus, long visitTick) {
        const auto press = [&](std::int16_t code, int count) {
            for (int i = 0; i < count; ++i) game_.backend.pressKey(code);
        };
        if (!levelTwo) {
            if (visitTick == 83) press(platform::VK_DOWN, 28);
        } else if (!byTheBonus) {
            if (visitTick == 83) {
                press(platform::VK_RIGHT, 9);
                press(platform::VK_UP, 14);
            }
        } else if (visitTick == 83) {
            press(platform::VK_RIGHT, 41);
            press(platform::VK_UP, 15);
        } else if (visitTick == 166) {
            press(platform::VK_UP, 3);
        } else if (visitTick == 166 + 74) {
            press(platform::VK_DOWN, 3);
        } else if (visitTick == 166 + 163) {
            press(platform::VK_LEFT, 32);
            press(platform::VK_DOWN, 1);
        }
    }

    void checkInvariants(LevelWindow& played) {
        ASSERT_FALSE(game_.runtime.ended()) << "the program ended";
        const int open = game_.program.menu().isOpen() + game_.program.level1().isOpen() +
                         game_.program.level2().isOpen();
        ASSERT_EQ(open, 1) << "after tick " << ticks_;
        if (!played.isOpen()) return;  // the tick left the level
        const bool levelTwo = &played == &game_.program.level2();
        const platform::Element& object1 = played.element("object1");
        ASSERT_GE(object1.Left(), 0.0f);
        ASSERT_GE(object1.Top(), 0.0f);
        ASSERT_LE(object1.Left(), levelTwo ? 9800.0f : 7880.0f);
        ASSERT_LE(object1.Top(), levelTwo ? 7880.0f : 5960.0f);
        ASSERT_EQ(object1.Width(), object1.Height());
        const float steps = (object1.Width() - 480) / 12.5f;
        ASSERT_EQ(steps, static_cast<float>(static_cast<int>(steps))) << object1.Width();
        ASSERT_GE(object1.Width(), 480.0f);
        ASSERT_LE(object1.Width(), 1492.5f);
        ASSERT_TRUE(played.BouncePhase == 0 || played.BouncePhase == 1);
    }

    Game game_;
    std::mt19937 random_;
    long ticks_ = 0;
};

TEST(Soak, AMillionTicksOfRandomPlayKeepEveryInvariant) {
    const unsigned seed = seedFromEnvironment();
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set TROMFEL_SOAK_SEED to replay it)");
    Soak soak(seed);
    soak.run();
    soak.expectEveryWayOut();
}

}  // namespace
}  // namespace tromfel::testing
