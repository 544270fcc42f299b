// Level two's bonus, and the whole game played through windows and keys
// only, with level two's first tick and landing.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

class Bonus : public ::testing::Test {
protected:
    void SetUp() override { game.open(level); }

    // One rising tick of a high bounce to `width`, ending at (left, top).
    bool takenOnATickTo(float width, float left, float top) {
        level.BouncePeak = 1500;
        object1.set(Prop::Width, width - 12.5f);
        object1.set(Prop::Height, width - 12.5f);
        place(level, left + 6.25f, top + 6.25f);
        game.ticks(1);
        return !P10.Visible();
    }
    void reopen() {
        game.runtime.activeWindow()->Close();
        level.Show();
        EXPECT_TRUE(P10.Visible());
    }
    // From the start, steer onto both spring pads, landing at 8456.25, 4880.
    void toTheSpringPads() {
        game.ticks(83);
        game.keys(VK_RIGHT, 41);
        game.keys(VK_UP, 15);
        game.ticks(83);
        ASSERT_EQ(object1.Left(), 8456.25f);
        ASSERT_EQ(object1.Top(), 4880.0f);
    }

    Game game;
    LevelWindow& level = game.level2();
    Element& object1 = level.element("object1");
    Element& P10 = level.element("P10");
};

TEST_F(Bonus, TheWidthMustReach1400AndEveryTouchingEdgeCounts) {
    EXPECT_FALSE(takenOnATickTo(1392.5f, 8500, 3000));
    EXPECT_TRUE(game.records().empty());
    EXPECT_TRUE(takenOnATickTo(1400, 8500, 3000));
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::sound("\\10.wav")}));
    takenOnATickTo(1405, 8500, 3000);
    EXPECT_EQ(game.records().size(), 1u) << "taken once";
    for (const auto& [left, top] : {std::pair{7900.0f, 3000.0f}, {8500.0f, 2140.0f}, {8500.0f, 3840.0f}}) {
        reopen();
        EXPECT_TRUE(takenOnATickTo(1405, left, top)) << left << ", " << top;
    }
    reopen();
    EXPECT_FALSE(takenOnATickTo(1405, 7899.75f, 3000));
    EXPECT_FALSE(takenOnATickTo(1417.5f, 8500, 3840.25f));
}

TEST_F(Bonus, ThreeUpPressesDuringAHighBounceTakeItOnTick74AndTwoNeverDo) {
    toTheSpringPads();
    game.keys(VK_UP, 2);
    game.ticks(162);
    EXPECT_TRUE(P10.Visible()) << "two presses";
    game.ticks(1);  // lands on object48 and object49

    reopen();
    toTheSpringPads();
    game.keys(VK_UP, 3);
    game.ticks(73);
    EXPECT_TRUE(P10.Visible());
    game.ticks(1);
    EXPECT_FALSE(P10.Visible());
    EXPECT_EQ(object1.Width(), 1405.0f);
    EXPECT_EQ(object1.Left(), 7993.75f);
    EXPECT_EQ(object1.Top(), 3817.5f);
    EXPECT_EQ(game.records().back(), Game::sound("\\10.wav"));
}

TEST(WholeGame, FromTheMenuThroughBothLevelsAndBackWithWindowsAndKeysOnly) {
    Game game;
    game.runtime.start(game.runtime.window(FirstWindow));
    game.backend.click(StartX, StartY);
    game.input();
    game.ticks(83);  // level one: first landing on path1
    game.keys(VK_DOWN, 28);
    game.ticks(83);  // on the flag
    const Element& object1 = game.level2().element("object1");
    game.ticks(1);  // level two starts beyond its bottom limit: 7913.75 after the bounce step
    EXPECT_EQ(std::pair(object1.Left(), object1.Top()), std::pair(233.75f, 7880.0f));
    game.ticks(82);  // its first landing on path1 saw 7886.25
    EXPECT_EQ(std::pair(object1.Left(), object1.Top()), std::pair(256.25f, 7880.0f));
    game.keys(VK_RIGHT, 9);
    game.keys(VK_UP, 14);
    game.ticks(83);  // on its flag
    EXPECT_EQ(game.records(),
              (std::vector<Record>{Game::shown("frmMenu"), Game::closed("frmMenu"), Game::shown("frmLevel1"),
                                   Game::sound("\\path.wav"), Game::sound("\\path.wav"), Game::sound("\\won.wav"),
                                   Game::message("You won! Go to Level2!", 48), Game::closed("frmLevel1"),
                                   Game::shown("frmLevel2"), Game::sound("\\path.wav"), Game::sound("\\path.wav"),
                                   Game::sound("\\won.wav"), Game::message("You won! Go to Level3!", 48),
                                   Game::closed("frmLevel2"), Game::shown("frmMenu")}));
    EXPECT_EQ(game.menu().element("lblStart").ForeColor(), Yellow) << "laid out afresh";
}

}  // namespace
}  // namespace tromfel::testing
