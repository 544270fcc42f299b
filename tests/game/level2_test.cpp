// Level two: its layout, its first ticks and landings, its goal and the bonus.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

using platform::Prop;
using platform::VK_DOWN;
using platform::VK_LEFT;
using platform::VK_RIGHT;
using platform::VK_UP;

void keys(Game& game, std::int16_t code, int count) {
    for (int i = 0; i < count; ++i) game.key(code);
}

TEST(LevelTwo, AFreshLayoutHoldsEveryElementVisibleAndTheNormalPeak) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level2());
    EXPECT_EQ(level.elements().size(), 102u);
    for (const platform::Element& element : level.elements()) EXPECT_TRUE(element.Visible()) << element.name();
    EXPECT_EQ(level.elements().front().name(), "P10");
    EXPECT_EQ(level.BouncePeak, 1000);
}

TEST(LevelTwo, TheFirstTickPullsTheBallIntoThePlayAreaAndTheLandingsComeOnPath1) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level2());
    platform::Element& object1 = level.element("object1");
    game.ticks(1);
    EXPECT_EQ(object1.Width(), 492.5f);
    EXPECT_EQ(object1.Height(), 492.5f);
    EXPECT_EQ(object1.Left(), 233.75f);
    EXPECT_EQ(object1.Top(), 7880.0f);  // 7913.75 after the bounce step, then clamped
    game.ticks(82);
    EXPECT_EQ(object1.Left(), 256.25f);
    EXPECT_EQ(object1.Top(), 7880.0f);  // the landing saw 7886.25
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\path.wav")}));
    for (int landing = 2; landing <= 3; ++landing) {
        game.ticks(83);
        EXPECT_EQ(object1.Left(), 256.25f);
        EXPECT_EQ(object1.Top(), 7880.0f);
        EXPECT_EQ(game.records().size(), static_cast<std::size_t>(landing));
    }
}

TEST(LevelTwo, TheFarCornerOfThePlayAreaTouchesTheAnchorAlone) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level2());
    place(level, 9800, 7880);
    std::vector<std::string> touched;
    for (const platform::Element& element : level.elements()) {
        if (element.name() != "object1" && level.Collision(level.element("object1"), element) == True) {
            touched.emplace_back(element.name());
        }
    }
    EXPECT_EQ(touched, (std::vector<std::string>{"object51"}));
    game.ticks(83);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::message("You are dead", 0), Game::closed("frmLevel2"),
                                                   Game::shown("frmMenu")}));
}

TEST(LevelTwo, TheGoalLeadsBackToTheMenu) {
    Game game;
    game.openLevel(game.program.level2());
    game.ticks(83);
    keys(game, VK_RIGHT, 9);
    keys(game, VK_UP, 14);
    game.ticks(83);
    EXPECT_EQ(game.records(),
              (std::vector<Record>{Game::sound("\\path.wav"), Game::sound("\\path.wav"), Game::sound("\\won.wav"),
                                   Game::message("You won! Go to Level3!", 48), Game::closed("frmLevel2"),
                                   Game::shown("frmMenu")}));
}

class Bonus : public ::testing::Test {
protected:
    void SetUp() override { game.openLevel(level); }

    // One rising tick of a high bounce that starts at `width`, with the
    // ball's top-left corner ending at (left, top).
    bool takenOnATickTo(float width, float left, float top) {
        level.BouncePeak = 1500;
        object1.set(Prop::Width, width - 12.5f);
        object1.set(Prop::Height, width - 12.5f);
        place(level, left + 6.25f, top + 6.25f);
        game.ticks(1);
        EXPECT_EQ(object1.Width(), width);
        EXPECT_EQ(object1.Left(), left);
        EXPECT_EQ(object1.Top(), top);
        return !P10.Visible();
    }

    Game game;
    LevelWindow& level = game.program.level2();
    platform::Element& object1 = level.element("object1");
    platform::Element& P10 = level.element("P10");
};

TEST_F(Bonus, TheWidthMustReach1400) {
    EXPECT_FALSE(takenOnATickTo(1392.5f, 8500, 3000));
    EXPECT_TRUE(game.records().empty());
    EXPECT_TRUE(takenOnATickTo(1405, 8500, 3000));
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\10.wav")}));
}

TEST_F(Bonus, ExactlyTheThresholdAndEveryTouchingEdgeCount) {
    EXPECT_TRUE(takenOnATickTo(1400, 8500, 3000));
    level.Close();
    level.Show();
    EXPECT_TRUE(P10.Visible());
    EXPECT_TRUE(takenOnATickTo(1405, 7900, 3000));
    level.Close();
    level.Show();
    EXPECT_TRUE(takenOnATickTo(1405, 8500, 2140));
    level.Close();
    level.Show();
    EXPECT_TRUE(takenOnATickTo(1405, 8500, 3840));
    level.Close();
    level.Show();
    EXPECT_FALSE(takenOnATickTo(1405, 7899.75f, 3000));
    EXPECT_FALSE(takenOnATickTo(1417.5f, 8500, 3840.25f));
}

TEST_F(Bonus, ANormalBounceNeverTakesIt) {
    place(level, 8500, 3000);
    game.ticks(82);
    EXPECT_TRUE(P10.Visible());
    EXPECT_TRUE(game.records().empty());
}

// From the start, steer onto both spring pads at 8456.25, 4880.
void toTheSpringPads(Game& game) {
    game.ticks(83);
    keys(game, VK_RIGHT, 41);
    keys(game, VK_UP, 15);
    game.ticks(83);
}

TEST_F(Bonus, ThreeUpPressesDuringAHighBounceTakeItOnTick74) {
    toTheSpringPads(game);
    EXPECT_EQ(object1.Left(), 8456.25f);
    EXPECT_EQ(object1.Top(), 4880.0f);
    EXPECT_EQ(level.BouncePeak, 1500);
    keys(game, VK_UP, 3);
    game.ticks(73);
    EXPECT_TRUE(P10.Visible());
    game.ticks(1);
    EXPECT_FALSE(P10.Visible());
    EXPECT_EQ(object1.Width(), 1405.0f);
    EXPECT_EQ(object1.Left(), 7993.75f);
    EXPECT_EQ(object1.Top(), 3817.5f);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\path.wav"), Game::sound("\\jump.wav"),
                                                   Game::sound("\\jump.wav"), Game::sound("\\10.wav")}));
    game.ticks(15);  // the rest of the ticks above the threshold play nothing more
    EXPECT_EQ(game.records().size(), 4u);
}

TEST_F(Bonus, TwoUpPressesNeverReachIt) {
    toTheSpringPads(game);
    keys(game, VK_UP, 2);
    game.ticks(162);
    EXPECT_TRUE(P10.Visible());
    EXPECT_EQ(game.records().size(), 3u);
}

TEST(WholeGame, FromTheMenuThroughBothLevelsAndBackWithWindowsAndKeysOnly) {
    Game game;
    game.program.start();
    const float startX = 9680 / 15 + 3, startY = 3850 / 15 + 3;
    game.backend.moveMouse(startX, startY);
    game.backend.click(startX, startY);
    game.input();
    game.ticks(83);  // level one: first landing on path1
    keys(game, VK_DOWN, 28);
    game.ticks(83);  // on the flag
    ASSERT_TRUE(game.program.level2().isOpen());
    toTheSpringPads(game);
    keys(game, VK_UP, 3);
    game.ticks(74);  // the bonus
    keys(game, VK_DOWN, 3);
    game.ticks(89);  // back on both spring pads
    keys(game, VK_LEFT, 32);
    game.key(VK_DOWN);
    game.ticks(163);  // on the flag
    ASSERT_TRUE(game.program.menu().isOpen());
    EXPECT_EQ(game.program.menu().element("lblStart").ForeColor(), 0xFFFFu);
    EXPECT_EQ(game.program.menu().element("lblExit").ForeColor(), 0xFFFFu);
    EXPECT_EQ(game.records(),
              (std::vector<Record>{
                  Game::shown("frmMenu"), Game::closed("frmMenu"), Game::shown("frmLevel1"),
                  Game::sound("\\path.wav"), Game::sound("\\path.wav"), Game::sound("\\won.wav"),
                  Game::message("You won! Go to Level2!", 48), Game::closed("frmLevel1"), Game::shown("frmLevel2"),
                  Game::sound("\\path.wav"), Game::sound("\\jump.wav"), Game::sound("\\jump.wav"),
                  Game::sound("\\10.wav"), Game::sound("\\jump.wav"), Game::sound("\\jump.wav"),
                  Game::sound("\\path.wav"), Game::sound("\\won.wav"), Game::message("You won! Go to Level3!", 48),
                  Game::closed("frmLevel2"), Game::shown("frmMenu")}));
}

}  // namespace
}  // namespace tromfel::testing
