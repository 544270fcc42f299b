// Form_KeyDown of the level windows: the steering table, and Escape.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

std::pair<float, float> afterKeys(std::vector<std::int16_t> codes, std::int16_t shift = 0) {
    Game game;
    LevelWindow& level = game.open(game.level1());
    place(level, 600, 600);
    for (std::int16_t code : codes) game.backend.pressKey(code, shift);
    game.input();
    return {level.element("object1").Left(), level.element("object1").Top()};
}

TEST(Steering, EachRowMovesTwoHundredTwipsItsWayWithoutABoundAndOtherKeysDoNothing) {
    using Moved = std::pair<float, float>;
    EXPECT_EQ(afterKeys({VK_LEFT}), (Moved{400, 600}));
    EXPECT_EQ(afterKeys({VK_RIGHT}), (Moved{800, 600}));
    EXPECT_EQ(afterKeys({VK_UP}), (Moved{600, 400}));
    EXPECT_EQ(afterKeys({VK_DOWN}), (Moved{600, 800}));
    EXPECT_EQ(afterKeys({VK_HOME}), (Moved{400, 800}));  // left and down
    EXPECT_EQ(afterKeys({VK_SPACE}), (Moved{400, 400}));
    EXPECT_EQ(afterKeys({VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT}), (Moved{-200, 600}));
    EXPECT_EQ(afterKeys({VK_UP}, 7), (Moved{600, 400})) << "Shift, Ctrl and Alt change nothing";
    EXPECT_EQ(afterKeys({35, 33, 34, 13, 65, 90, 48, 16, 17, 18, 45, 46, 96, 100}), (Moved{600, 600}));
}

TEST(Steering, EscapeEndsTheProgramAtOnceInEveryWindow) {
    for (const char* name : {"frmMenu", "frmLevel1", "frmLevel2"}) {
        Game game;
        game.open(game.runtime.window(name));
        game.keys(VK_ESCAPE);
        EXPECT_TRUE(game.runtime.ended()) << name;
        EXPECT_EQ(game.runtime.exitStatus(), 0);
        EXPECT_TRUE(game.records().empty()) << "no message and no closing step";
    }
}

}  // namespace
}  // namespace tromfel::testing
