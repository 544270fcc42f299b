// The level designs: every grid cell holds one tile of its family, the
// families are complete, and the drawing order shows the bonus over the
// ball, the ball over the flag and the flag over its tile.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "game_harness.h"

namespace tromfel::testing {
namespace {

std::vector<float> rectangle(const Element& e) { return {e.Left(), e.Top(), e.Width(), e.Height()}; }

void expectDesign(LevelWindow& level, int columns, int rows, int lastObstacle) {
    std::map<std::pair<int, int>, std::string> cells;
    std::set<std::string> tiles, expected{"invisible", "invisible2", "invisible3", "invisible4"};
    std::map<std::string, std::size_t> order;
    for (const Element& element : level.elements()) {
        const std::string name(element.name());
        order[name] = order.size();
        EXPECT_TRUE(element.Visible()) << name;
        if (name == "object1" || name == "won" || name == "P10") continue;
        const std::string picture(element.design().picture);
        const std::string family = name.starts_with("invisible") ? "_spring" : name.starts_with("path") ? "_path" : "_obstacle";
        EXPECT_TRUE(picture.find(family) != std::string::npos) << name << " shows " << picture;
        EXPECT_EQ(element.Width(), 960.0f) << name;
        EXPECT_EQ(element.Height(), 960.0f) << name;
        const std::pair cell{static_cast<int>(element.Left() / 960), static_cast<int>(element.Top() / 960)};
        EXPECT_EQ(element.Left(), 960.0f * cell.first) << name;
        EXPECT_EQ(element.Top(), 960.0f * cell.second) << name;
        EXPECT_TRUE(cell.first < columns && cell.second < rows) << name;
        EXPECT_TRUE(cells.emplace(cell, name).second) << name << " shares a cell with " << cells[cell];
        tiles.insert(name);
    }
    EXPECT_EQ(cells.size(), static_cast<std::size_t>(columns * rows));
    for (int i = 1; i <= 9; ++i) expected.insert("path" + std::to_string(i));
    for (int i = 2; i <= lastObstacle; ++i) expected.insert("object" + std::to_string(i));
    EXPECT_EQ(tiles, expected);
    EXPECT_LT(order["object1"], order["won"]);
    EXPECT_LT(order["won"], order["path9"]);
    for (const std::string& tile : tiles) EXPECT_LT(order["object1"], order[tile]) << tile;
}

TEST(Layout, LevelOneIsANineBySevenGridUnderTheBallAndTheFlag) {
    Game game;
    LevelWindow& level = game.open(game.level1());
    expectDesign(level, 9, 7, 51);
    EXPECT_EQ(level.elements().size(), 65u);
    EXPECT_EQ(rectangle(level.element("object1")), (std::vector<float>{240, 240, 480, 480}));
    EXPECT_EQ(rectangle(level.element("won")), (std::vector<float>{120, 5880, 720, 720}));
}

TEST(Layout, LevelTwoIsAnElevenByNineGridWithTheBonusOnTop) {
    Game game;
    LevelWindow& level = game.open(game.level2());
    expectDesign(level, 11, 9, 87);
    EXPECT_EQ(level.elements().size(), 102u);
    EXPECT_EQ(level.elements().front().name(), "P10");
    EXPECT_EQ(rectangle(level.element("P10")), (std::vector<float>{8400, 2640, 1440, 1200}));
    EXPECT_EQ(rectangle(level.element("object1")), (std::vector<float>{240, 7920, 480, 480}));
    EXPECT_EQ(rectangle(level.element("won")), (std::vector<float>{2040, 4920, 720, 720}));
}

}  // namespace
}  // namespace tromfel::testing
