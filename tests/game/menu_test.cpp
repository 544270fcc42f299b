// frmMenu: its load step, hover colours, clicks and Escape.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

constexpr platform::Colour Yellow = 0xFFFF;
constexpr platform::Colour Red = 0xFF;

struct Rect {
    float left, top;
    bool operator==(const Rect&) const = default;
};

Rect at(MenuWindow& menu, const char* name) { return {menu.element(name).Left(), menu.element(name).Top()}; }

TEST(MenuLayout, TheLoadStepPlacesEverythingFromTheWindowWidthKeepingHalfTwips) {
    Game stored({387, 375});  // the stored client size, 5805 x 5625 twips
    stored.program.start();
    MenuWindow& menu = stored.program.menu();
    EXPECT_EQ(menu.Width(), 5805.0f);
    EXPECT_EQ(at(menu, "Image1"), (Rect{2902.5f, 100}));
    EXPECT_EQ(at(menu, "lblStart"), (Rect{4902.5f, 3850}));
    EXPECT_EQ(at(menu, "lblExit"), (Rect{5002.5f, 4850}));

    Game full({1024, 768});
    full.program.start();
    MenuWindow& wide = full.program.menu();
    EXPECT_EQ(at(wide, "Image1"), (Rect{7680, 100}));
    EXPECT_EQ(at(wide, "lblStart"), (Rect{9680, 3850}));
    EXPECT_EQ(at(wide, "lblExit"), (Rect{9780, 4850}));
    EXPECT_EQ(wide.element("lblStart").Width(), 1695.0f);
    EXPECT_EQ(wide.element("lblExit").ForeColor(), Yellow);
}

class MenuInput : public ::testing::Test {
protected:
    void SetUp() override { game.program.start(); }
    // Pointer positions in pixels on a 1024 x 768 screen.
    void overStart() { game.backend.moveMouse(9680 / 15 + 3, 3850 / 15 + 3); }
    void overExit() { game.backend.moveMouse(9780 / 15 + 80, 4850 / 15 + 56); }
    void overPicture() { game.backend.moveMouse(600, 100); }
    void overBackground() { game.backend.moveMouse(100, 600); }
    std::pair<platform::Colour, platform::Colour> colours() {
        game.input();
        return {menu().element("lblStart").ForeColor(), menu().element("lblExit").ForeColor()};
    }
    MenuWindow& menu() { return game.program.menu(); }

    Game game;
};

TEST_F(MenuInput, TheLabelUnderThePointerIsRedAndTheOtherYellow) {
    using Colours = std::pair<platform::Colour, platform::Colour>;
    EXPECT_EQ(colours(), (Colours{Yellow, Yellow}));
    overStart();
    EXPECT_EQ(colours(), (Colours{Red, Yellow}));
    overExit();
    EXPECT_EQ(colours(), (Colours{Yellow, Red}));
    overPicture();
    EXPECT_EQ(colours(), (Colours{Yellow, Yellow}));
    overExit();
    overBackground();
    EXPECT_EQ(colours(), (Colours{Yellow, Yellow}));
}

TEST_F(MenuInput, ClicksOnTheBackgroundOrThePictureDoNothingAndStartOpensLevelOne) {
    game.backend.click(100, 600);
    game.backend.click(600, 100);
    game.input();
    EXPECT_TRUE(menu().isOpen());
    game.backend.pressKey(13);
    game.backend.pressKey(platform::VK_SPACE);
    game.input();
    EXPECT_TRUE(menu().isOpen());
    overStart();
    game.backend.click(9680 / 15 + 3, 3850 / 15 + 3);
    game.input();
    EXPECT_EQ(game.records(),
              (std::vector<Record>{Game::shown("frmMenu"), Game::closed("frmMenu"), Game::shown("frmLevel1")}));
}

TEST_F(MenuInput, ExitEndsTheProgram) {
    game.backend.click(9780 / 15 + 80, 4850 / 15 + 56);
    game.input();
    EXPECT_TRUE(game.runtime.ended());
    EXPECT_EQ(game.runtime.exitStatus(), 0);
}

TEST_F(MenuInput, LabelsAreYellowAgainWhenALevelLeadsBack) {
    overStart();
    game.backend.click(9680 / 15 + 3, 3850 / 15 + 3);
    game.input();
    LevelWindow& level = game.program.level1();
    place(level, 3000, 3000);
    game.ticks(83);  // lands on an obstacle
    ASSERT_TRUE(menu().isOpen());
    EXPECT_EQ(menu().element("lblStart").ForeColor(), Yellow);
    EXPECT_EQ(menu().element("lblExit").ForeColor(), Yellow);
    EXPECT_EQ(menu().element("Image1").Left(), 7680.0f);
}

}  // namespace
}  // namespace tromfel::testing
