// A level's tick on level one: the bounce tables, the contacts in their
// order, the clamp and the ways out, tick by tick with exact values.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

// The width after each tick of one bounce from a landing at `left`, `top`:
// rising for apex - 1 ticks, the apex tick growing and shrinking back, then
// falling to 480.
void expectOneBounce(Game& game, LevelWindow& level, int apex, float left, float top) {
    const Element& object1 = level.element("object1");
    float width = 480;
    for (int t = 1; t <= 2 * apex - 1; ++t) {
        game.ticks(1);
        if (t != apex) width += t < apex ? 12.5f : -12.5f;
        ASSERT_EQ(object1.Width(), width) << "tick " << t;
        ASSERT_EQ(object1.Height(), width) << "tick " << t;
        if (t == apex - 1) {
            const float shift = 6.25f * static_cast<float>(apex - 1);  // the rise shift
            EXPECT_EQ(object1.Left(), left - shift);
            EXPECT_EQ(object1.Top(), top - shift);
        }
    }
    EXPECT_EQ(object1.Left(), left);  // landed where it took off
    EXPECT_EQ(object1.Top(), top);
    EXPECT_EQ(level.BouncePhase, 0);
}

TEST(Bounce, PathTilesGiveEightyThreeTickBouncesSpringPadsOneHundredSixtyThree) {
    Game game;
    LevelWindow& level = game.open(game.level1());
    place(level, 2100, 2100);  // on the spring pad `invisible` alone
    expectOneBounce(game, level, 42, 2100, 2100);
    EXPECT_EQ(level.BouncePeak, 1500);
    expectOneBounce(game, level, 82, 2100, 2100);  // up to 1492.5
    game.keys(VK_RIGHT, 20);  // onto path4 alone
    game.ticks(163);
    EXPECT_EQ(level.BouncePeak, 1000);
    expectOneBounce(game, level, 42, 6100, 2100);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\jump.wav"), Game::sound("\\jump.wav"),
                                                   Game::sound("\\path.wav"), Game::sound("\\path.wav")}));
}

TEST(Bounce, LeftAloneLevelOneLandsOnPath1OnTick83At256Point25AndEvery83TicksAfter) {
    Game game;
    const Element& object1 = game.open(game.level1()).element("object1");
    game.ticks(38);
    EXPECT_EQ(object1.Left(), 2.5f);
    for (int t = 39; t <= 42; ++t) {
        game.ticks(1);
        EXPECT_EQ(object1.Left(), 0.0f) << "tick " << t;  // the rise is cut at 0
        EXPECT_EQ(object1.Top(), 0.0f) << "tick " << t;
    }
    for (int landing = 1; landing <= 3; ++landing) {
        game.ticks(landing == 1 ? 40 : 82);
        EXPECT_EQ(game.records().size(), static_cast<std::size_t>(landing - 1));
        game.ticks(1);
        EXPECT_EQ(object1.Width(), 480.0f);
        EXPECT_EQ(object1.Left(), 256.25f);
        EXPECT_EQ(object1.Top(), 256.25f);
        EXPECT_EQ(game.records().back(), Game::sound("\\path.wav"));
    }
}

TEST(Contacts, PadsThenObstaclesThenPathTilesInTheirOrderOnTheLandingTick) {
    Game game;
    LevelWindow& level = game.open(game.level1());
    place(level, 7500, 2100);  // across path5 and invisible3: the pad first, the path tile wins
    game.ticks(83);
    EXPECT_EQ(level.BouncePeak, 1000);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\jump.wav"), Game::sound("\\path.wav")}));

    place(level, 3000, 3000);  // on object18
    game.ticks(83);
    EXPECT_EQ(std::vector<Record>(game.records().begin() + 2, game.records().end()),
              (std::vector<Record>{Game::message("You are dead", 0), Game::closed("frmLevel1"), Game::shown("frmMenu")}));
    EXPECT_EQ(game.runtime.activeWindow(), &game.menu());
}

TEST(Clamp, TheFarLimitsHoldTheBallAndTheContactsSeeItBeforeTheClamp) {
    Game game;
    LevelWindow& level = game.open(game.level1());
    const Element& object1 = level.element("object1");
    place(level, 7880, 5960);  // exactly on both far limits: left alone
    game.ticks(1);
    EXPECT_EQ(object1.Left(), 7873.75f);
    EXPECT_EQ(object1.Top(), 5953.75f);

    place(level, 7880, 2100);
    game.ticks(49);
    game.keys(VK_RIGHT);
    game.ticks(1);
    EXPECT_EQ(object1.Left(), 7880.0f);
    game.ticks(32);  // the fall's half steps are cut at the limit: it lands there, on invisible3
    EXPECT_EQ(object1.Left(), 7880.0f);
    EXPECT_EQ(object1.Width(), 480.0f);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\jump.wav")}));

    game.ticks(162);
    game.keys(VK_RIGHT, 4);
    EXPECT_EQ(object1.Left(), 8673.75f);
    game.ticks(1);  // the landing sees 8680, beyond every tile
    EXPECT_EQ(object1.Left(), 7880.0f);
    EXPECT_EQ(object1.Width(), 480.0f);
    EXPECT_EQ(game.records().size(), 1u);
}

}  // namespace
}  // namespace tromfel::testing
