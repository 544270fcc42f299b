// frmMenu: its load step, hover colours, clicks and Escape.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

using Place = std::pair<float, float>;

Place at(MenuWindow& menu, const char* name) { return {menu.element(name).Left(), menu.element(name).Top()}; }

TEST(MenuLayout, TheLoadStepPlacesEverythingFromTheWindowWidthKeepingHalfTwips) {
    Game stored({387, 375});  // the stored client size, 5805 x 5625 twips
    MenuWindow& menu = stored.open(stored.menu());
    EXPECT_EQ(menu.Width(), 5805.0f);
    EXPECT_EQ(at(menu, "Image1"), (Place{2902.5f, 100}));
    EXPECT_EQ(at(menu, "lblStart"), (Place{4902.5f, 3850}));
    EXPECT_EQ(at(menu, "lblExit"), (Place{5002.5f, 4850}));

    Game full({1024, 768});
    MenuWindow& wide = full.open(full.menu());
    EXPECT_EQ(at(wide, "Image1"), (Place{7680, 100}));
    EXPECT_EQ(at(wide, "lblStart"), (Place{9680, 3850}));
    EXPECT_EQ(at(wide, "lblExit"), (Place{9780, 4850}));
}

TEST(MenuInput, TheLabelUnderThePointerIsRedOnlyTheLabelsActAndTheMenuComesBackYellow) {
    Game game;
    game.open(game.menu());
    const auto click = [&](float x, float y) {
        game.backend.click(x, y);
        game.input();
    };
    const auto after = [&](float x, float y) {
        game.backend.moveMouse(x, y);
        game.input();
        return std::pair(game.menu().element("lblStart").ForeColor(), game.menu().element("lblExit").ForeColor());
    };
    EXPECT_EQ(after(StartX, StartY), std::pair(Red, Yellow));
    EXPECT_EQ(after(ExitX, ExitY), std::pair(Yellow, Red));  // straight from Start to Exit
    EXPECT_EQ(after(600, 100), std::pair(Yellow, Yellow));   // the title picture
    EXPECT_EQ(after(ExitX, ExitY), std::pair(Yellow, Red));
    EXPECT_EQ(after(100, 600), std::pair(Yellow, Yellow));  // the background
    click(100, 600);
    click(600, 100);
    game.keys(13);
    game.keys(VK_SPACE);
    EXPECT_TRUE(game.menu().isOpen());
    click(StartX, StartY);
    EXPECT_EQ(game.records(), (std::vector<Record>{Game::closed("frmMenu"), Game::shown("frmLevel1")}));
    place(game.level1(), 3000, 3000);
    game.ticks(83);  // lands on an obstacle
    ASSERT_TRUE(game.menu().isOpen());
    EXPECT_EQ(game.menu().element("lblStart").ForeColor(), Yellow);
    click(ExitX, ExitY);
    EXPECT_TRUE(game.runtime.ended());
    EXPECT_EQ(game.runtime.exitStatus(), 0);
}

}  // namespace
}  // namespace tromfel::testing
