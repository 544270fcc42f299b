// The bounce, the landing contacts and the clamp of a level's tick, tick by
// tick with exact values.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

using platform::Prop;

// Width after each tick of one bounce, counted from the tick after a landing.
std::vector<float> widthsOfOneBounce(Game& game, LevelWindow& level, int ticks) {
    std::vector<float> widths;
    for (int t = 1; t <= ticks; ++t) {
        game.ticks(1);
        widths.push_back(level.element("object1").Width());
        EXPECT_EQ(level.element("object1").Height(), widths.back()) << "tick " << t;
    }
    return widths;
}

std::vector<float> expectedBounce(int apex) {
    std::vector<float> widths;
    for (int t = 1; t < apex; ++t) widths.push_back(480 + 12.5f * t);
    widths.push_back(widths.back());  // the apex tick grows and shrinks back
    for (int t = apex + 1; t <= 2 * apex - 1; ++t) widths.push_back(widths.back() - 12.5f);
    return widths;
}

TEST(Bounce, APathTileGivesAnEightyThreeTickBounceCentredOnItsTakeOff) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    place(level, 6000, 2100);  // on path4 alone
    const std::vector<float> widths = widthsOfOneBounce(game, level, 41);
    EXPECT_EQ(level.element("object1").Left(), 6000 - 256.25f);
    EXPECT_EQ(level.element("object1").Top(), 2100 - 256.25f);
    std::vector<float> all = widths;
    for (float w : widthsOfOneBounce(game, level, 42)) all.push_back(w);
    EXPECT_EQ(all, expectedBounce(42));
    EXPECT_EQ(all[41], 992.5f);
    EXPECT_EQ(all[82], 480.0f);
    EXPECT_EQ(level.BouncePhase, 0);
    EXPECT_EQ(level.element("object1").Left(), 6000.0f);
    EXPECT_EQ(level.element("object1").Top(), 2100.0f);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\path.wav")}));
}

TEST(Bounce, ASpringPadGivesAHundredSixtyThreeTickBounceUpTo1492Point5) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    place(level, 2100, 2100);  // on the spring pad `invisible` alone
    game.ticks(83);
    EXPECT_EQ(level.BouncePeak, 1500);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\jump.wav")}));
    std::vector<float> widths = widthsOfOneBounce(game, level, 81);
    EXPECT_EQ(level.element("object1").Left(), 2100 - 506.25f);
    EXPECT_EQ(level.element("object1").Top(), 2100 - 506.25f);
    for (float w : widthsOfOneBounce(game, level, 82)) widths.push_back(w);
    EXPECT_EQ(widths, expectedBounce(82));
    EXPECT_EQ(*std::max_element(widths.begin(), widths.end()), 1492.5f);
    EXPECT_EQ(level.element("object1").Left(), 2100.0f);
    EXPECT_EQ(game.records().size(), 2u);
}

TEST(Bounce, LeftAloneLevelOneLandsOnPath1AtTick83At256Point25AndEvery83TicksAfter) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    platform::Element& object1 = level.element("object1");
    game.ticks(38);
    EXPECT_EQ(object1.Left(), 2.5f);
    for (int t = 39; t <= 42; ++t) {
        game.ticks(1);
        EXPECT_EQ(object1.Left(), 0.0f) << "tick " << t;  // the rise is cut at 0
        EXPECT_EQ(object1.Top(), 0.0f) << "tick " << t;
    }
    game.ticks(40);
    EXPECT_TRUE(game.records().empty());
    game.ticks(1);  // tick 83
    EXPECT_EQ(object1.Width(), 480.0f);
    EXPECT_EQ(object1.Left(), 256.25f);
    EXPECT_EQ(object1.Top(), 256.25f);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\path.wav")}));
    for (int landing = 2; landing <= 4; ++landing) {
        game.ticks(82);
        EXPECT_EQ(game.records().size(), static_cast<std::size_t>(landing - 1));
        game.ticks(1);
        EXPECT_EQ(object1.Left(), 256.25f);
        EXPECT_EQ(object1.Top(), 256.25f);
        EXPECT_EQ(game.records().back(), Game::sound("\\path.wav"));
    }
    EXPECT_EQ(level.BouncePeak, 1000);
}

TEST(Contacts, APadAndAPathTileTogetherEndWithTheNormalPeakAndBothSoundsInOrder) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    place(level, 7500, 2100);  // across path5 and invisible3
    game.ticks(83);
    EXPECT_EQ(level.BouncePeak, 1000);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\jump.wav"), Game::sound("\\path.wav")}));
}

TEST(Contacts, AnObstacleLandingSaysYouAreDeadAndLeadsBackToTheMenu) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    place(level, 3000, 3000);  // on object18
    level.BouncePeak = 1000;
    game.ticks(82);
    EXPECT_TRUE(game.records().empty());
    game.ticks(1);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::message("You are dead", 0), Game::closed("frmLevel1"),
                                                   Game::shown("frmMenu")}));
    EXPECT_FALSE(level.isOpen());
    EXPECT_TRUE(game.program.menu().isOpen());
    EXPECT_EQ(game.runtime.activeWindow(), &game.program.frmMenu());
}

TEST(Contacts, TheGoalPlaysBothSoundsSaysYouWonAndOpensTheNextLevel) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    place(level, 240, 5900);  // on the flag, inside path9
    game.ticks(83);
    EXPECT_EQ(game.records(),
              (std::vector<Record>{Game::sound("\\path.wav"), Game::sound("\\won.wav"),
                                   Game::message("You won! Go to Level2!", 48), Game::closed("frmLevel1"),
                                   Game::shown("frmLevel2")}));
    EXPECT_TRUE(game.program.level2().isOpen());
}

TEST(Contacts, NothingActsWhileTheBallIsInTheAir) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    game.ticks(10);
    for (int i = 0; i < 4; ++i) game.key(platform::VK_RIGHT);  // over the obstacles
    game.ticks(60);
    EXPECT_TRUE(level.isOpen());
    for (int i = 0; i < 4; ++i) game.key(platform::VK_LEFT);  // back before the landing
    game.ticks(13);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\path.wav")}));
}

TEST(Clamp, HoldsTheBallAtTheFarLimitsAndLeavesValuesOnALimitAlone) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    platform::Element& object1 = level.element("object1");
    place(level, 7880, 5960);  // the far corner, on object51: exactly on both limits
    game.ticks(1);
    EXPECT_EQ(object1.Left(), 7873.75f);  // the rise is never cut at the far side
    place(level, 7880, 2100);
    game.ticks(49);
    game.key(platform::VK_RIGHT);
    game.ticks(1);
    EXPECT_EQ(object1.Left(), 7880.0f);
    game.ticks(32);  // the fall's half steps are cut at the limit
    EXPECT_EQ(object1.Left(), 7880.0f);
    EXPECT_EQ(object1.Width(), 480.0f);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\jump.wav")}));

}

TEST(Clamp, HoldsTheBallAtTheBottomLimit) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    platform::Element& object1 = level.element("object1");
    place(level, 2100, 5960);  // on path8, exactly on the bottom limit
    game.ticks(1);
    EXPECT_EQ(object1.Top(), 5953.75f);
    place(level, 2100, 5960);
    game.ticks(49);
    game.key(platform::VK_DOWN);
    game.ticks(1);
    EXPECT_EQ(object1.Top(), 5960.0f);
    game.ticks(32);
    EXPECT_EQ(object1.Top(), 5960.0f);
    EXPECT_EQ(object1.Width(), 480.0f);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\path.wav")}));
}

TEST(Clamp, TheContactStepSeesAPositionPushedPastTheLimitBeforeTheClampBringsItBack) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    platform::Element& object1 = level.element("object1");
    place(level, 7880, 2100);  // on invisible3
    game.ticks(82);
    for (int i = 0; i < 4; ++i) game.key(platform::VK_RIGHT);
    EXPECT_EQ(object1.Left(), 8673.75f);
    game.ticks(1);  // the landing sees 8680, beyond every tile
    EXPECT_EQ(object1.Left(), 7880.0f);
    EXPECT_EQ(level.BouncePeak, 1000);
    EXPECT_TRUE(game.records().empty());
}

TEST(Layout, EveryOpeningOfLevelOneStartsAfresh) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    place(level, 2100, 2100);
    game.ticks(83 + 100);  // a spring pad, then high in the air
    for (int i = 0; i < 5; ++i) game.key(platform::VK_DOWN);
    game.ticks(63);  // lands on object17
    ASSERT_FALSE(level.isOpen());
    game.program.menu().Close();
    game.program.frmLevel1().Show();
    platform::Element& object1 = level.element("object1");
    EXPECT_EQ(object1.Left(), 240.0f);
    EXPECT_EQ(object1.Top(), 240.0f);
    EXPECT_EQ(object1.Width(), 480.0f);
    EXPECT_EQ(object1.Height(), 480.0f);
    EXPECT_EQ(level.BouncePeak, 1000);
    EXPECT_EQ(level.BouncePhase, 0);
    game.ticks(1);
    EXPECT_EQ(object1.Width(), 492.5f);
}

}  // namespace
}  // namespace tromfel::testing
