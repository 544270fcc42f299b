// Form_KeyDown of the level windows: the seven rows of the steering table.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

struct Position {
    float left, top;
    bool operator==(const Position&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Position& p) { return out << p.left << ", " << p.top; }

Position afterKeys(std::vector<std::int16_t> keys, std::int16_t shift = 0) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    place(level, 600, 600);
    for (std::int16_t code : keys) game.key(code, shift);
    return {level.element("object1").Left(), level.element("object1").Top()};
}

TEST(Steering, EachRowMovesTwoHundredTwipsItsWay) {
    using namespace platform;
    EXPECT_EQ(afterKeys({VK_LEFT}), (Position{400, 600}));
    EXPECT_EQ(afterKeys({VK_RIGHT}), (Position{800, 600}));
    EXPECT_EQ(afterKeys({VK_UP}), (Position{600, 400}));
    EXPECT_EQ(afterKeys({VK_DOWN}), (Position{600, 800}));
    EXPECT_EQ(afterKeys({VK_HOME}), (Position{400, 800}));  // left and down
    EXPECT_EQ(afterKeys({VK_SPACE}), (Position{400, 400}));
    EXPECT_EQ(afterKeys({VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT}), (Position{-200, 600}));
}

TEST(Steering, ModifiersChangeNothingAndKeysOutsideTheTableDoNothing) {
    using namespace platform;
    EXPECT_EQ(afterKeys({VK_UP}, 7), (Position{600, 400}));
    EXPECT_EQ(afterKeys({35, 33, 34, 13, 65, 90, 48, 16, 17, 18, 45, 46, 96, 100}), (Position{600, 600}));
}

TEST(Steering, AMovePastALimitIsClampedByTheNextTick) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    game.key(platform::VK_LEFT);
    game.key(platform::VK_LEFT);
    EXPECT_EQ(level.element("object1").Left(), -160.0f);
    game.ticks(1);
    EXPECT_EQ(level.element("object1").Left(), 0.0f);
    EXPECT_EQ(level.element("object1").Width(), 492.5f);  // the bounce goes on
}

TEST(Steering, EscapeEndsTheProgramAtOnceInEveryWindow) {
    for (int window = 0; window < 3; ++window) {
        Game game;
        platform::Window* windows[] = {&game.program.frmMenu(), &game.program.frmLevel1(),
                                       &game.program.frmLevel2()};
        game.runtime.start(*windows[window]);
        game.ticks(20);
        game.backend.clearRecords();
        game.backend.pressKey(platform::VK_ESCAPE);
        game.ticks(1);
        EXPECT_TRUE(game.runtime.ended());
        EXPECT_EQ(game.runtime.exitStatus(), 0);
        EXPECT_TRUE(game.records().empty()) << "no message and no closing step";
    }
}

}  // namespace
}  // namespace tromfel::testing
