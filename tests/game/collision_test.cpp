// Collision: the closed, asymmetric overlap of a 500 x 500 contact box with
// an element's own rectangle.
#include <gtest/gtest.h>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

void set(Element& e, float left, float top, float width, float height) {
    e.set(Prop::Left, left);
    e.set(Prop::Top, top);
    e.set(Prop::Width, width);
    e.set(Prop::Height, height);
}

TEST(Collision, EdgesAndCornersThatMeetTouchAnyGapDoesNotAndOnlyTheFirstArgumentsPositionCounts) {
    Game game;
    LevelWindow& level = game.open(game.level1());
    Element &a = level.element("object1"), &b = level.element("object2");
    set(a, 1000, 1000, 480, 480);
    const auto touches = [&](float left, float top, float width = 960, float height = 960) {
        set(b, left, top, width, height);
        return level.Collision(a, b) == True;
    };
    EXPECT_TRUE(touches(1500, 1500));
    EXPECT_FALSE(touches(1501, 1000));
    EXPECT_FALSE(touches(1000, 1501));
    EXPECT_TRUE(touches(40, 1000));
    EXPECT_FALSE(touches(39, 1000));
    EXPECT_TRUE(touches(1000, 40));
    EXPECT_FALSE(touches(1000, 39));
    EXPECT_FALSE(touches(1500.0001f, 1000));
    EXPECT_TRUE(touches(1100, 1100, 100, 100));  // inside
    EXPECT_TRUE(touches(0, 0, 2880, 2880));      // around
    EXPECT_TRUE(touches(0, 1100, 2880, 100));    // across
    EXPECT_TRUE(touches(1100, 0, 100, 2880));
    set(a, 1000, 1000, 1400, 1400);
    EXPECT_FALSE(touches(1600, 1000)) << "drawn 1400 wide, it still counts as 500";
    set(a, 1000, 1000, 480, 480);
    EXPECT_TRUE(touches(1500, 1500, 480, 480));
    EXPECT_EQ(level.Collision(b, a), False) << "a's own box ends at 1480";
}

TEST(Collision, AnElementItCannotMeasureAnswersFalseAndRaisesNothing) {
    Game game;
    LevelWindow& level = game.open(game.level1());
    EXPECT_EQ(level.Collision(level.element("object1"), level.element("Timer1")), False);
    EXPECT_EQ(level.Collision(level.element("object1"), game.menu().element("Image1")), False);  // its window is closed
    EXPECT_FALSE(game.runtime.ended());
}

}  // namespace
}  // namespace tromfel::testing
