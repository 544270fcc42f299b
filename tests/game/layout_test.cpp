// The level designs: each grid cell holds exactly one tile of the right
// size, the families are complete, and the drawing order puts the ball,
// the flag and the bonus where the player must see them.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

std::vector<std::string> names(LevelWindow& level) {
    std::vector<std::string> out;
    for (const platform::Element& element : level.elements()) out.emplace_back(element.name());
    return out;
}

void expectGrid(LevelWindow& level, int columns, int rows, int lastObstacle) {
    std::map<std::pair<int, int>, std::string> cells;
    std::set<std::string> tiles;
    for (const platform::Element& element : level.elements()) {
        const std::string name(element.name());
        if (name == "object1" || name == "won" || name == "P10") continue;
        EXPECT_EQ(element.Width(), 960.0f) << name;
        EXPECT_EQ(element.Height(), 960.0f) << name;
        EXPECT_FALSE(element.design().stretch) << name;
        const auto cell = std::make_pair(static_cast<int>(element.Left()) / 960, static_cast<int>(element.Top()) / 960);
        EXPECT_EQ(element.Left(), 960.0f * cell.first) << name;
        EXPECT_EQ(element.Top(), 960.0f * cell.second) << name;
        EXPECT_TRUE(cells.emplace(cell, name).second) << name << " shares a cell with " << cells[cell];
        tiles.insert(name);
    }
    EXPECT_EQ(cells.size(), static_cast<std::size_t>(columns * rows));
    EXPECT_EQ(cells.rbegin()->first, std::make_pair(columns - 1, rows - 1));
    std::set<std::string> expected{"invisible", "invisible2", "invisible3", "invisible4"};
    for (int i = 1; i <= 9; ++i) expected.insert("path" + std::to_string(i));
    for (int i = 2; i <= lastObstacle; ++i) expected.insert("object" + std::to_string(i));
    EXPECT_EQ(tiles, expected);
}

TEST(Layout, LevelOneIsANineBySevenGridUnderTheBallAndTheFlag) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level1());
    EXPECT_EQ(level.elements().size(), 65u);
    expectGrid(level, 9, 7, 51);
    const std::vector<std::string> order = names(level);
    EXPECT_EQ(order[0], "object1");
    EXPECT_EQ(order[1], "won");
    EXPECT_EQ(order[2], "object51");
    EXPECT_EQ(order.back(), "object2");
    EXPECT_EQ(level.element("path1").Left(), 0.0f);
    EXPECT_EQ(level.element("path9").Top(), 5760.0f);
    EXPECT_EQ(level.element("object51").Left(), 7680.0f);
    EXPECT_EQ(level.element("object51").Top(), 5760.0f);
}

TEST(Layout, LevelTwoIsAnElevenByNineGridWithTheBonusOnTop) {
    Game game;
    LevelWindow& level = game.openLevel(game.program.level2());
    expectGrid(level, 11, 9, 87);
    const std::vector<std::string> order = names(level);
    std::vector<std::string> expected{"P10", "object1"};
    for (int i = 87; i >= 52; --i) expected.push_back("object" + std::to_string(i));
    expected.push_back("won");
    for (int i = 51; i >= 47; --i) expected.push_back("object" + std::to_string(i));
    expected.insert(expected.end(), {"invisible4", "invisible3"});
    for (int i = 46; i >= 41; --i) expected.push_back("object" + std::to_string(i));
    for (int i = 9; i >= 1; --i) expected.push_back("path" + std::to_string(i));
    expected.insert(expected.end(), {"invisible2", "invisible"});
    for (int i = 40; i >= 2; --i) expected.push_back("object" + std::to_string(i));
    EXPECT_EQ(order, expected);
    EXPECT_EQ(level.element("object51").Left(), 9600.0f);
    EXPECT_EQ(level.element("object51").Top(), 7680.0f);
}

}  // namespace
}  // namespace tromfel::testing
