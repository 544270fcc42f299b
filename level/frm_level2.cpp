// frmLevel2: the second level's stored design, 11 x 9 tiles and the bonus,
// and its data.
#include "level/level_data.h"

namespace tromfel {

namespace {

constexpr std::string_view Obstacle = "level2_obstacle.png";
constexpr std::string_view Path = "level2_path.png";
constexpr std::string_view SpringPad = "level2_spring.png";
constexpr std::string_view BonusPicture = "bonus.png";

// Drawing order, first on top.
constexpr platform::ElementDesign layout[] = {
    {.name = "P10", .left = 8400, .top = 2640, .width = 1440, .height = 1200, .picture = BonusPicture, .stretch = true},
    {.name = "object1", .left = 240, .top = 7920, .width = 480, .height = 480, .picture = PlayerPicture, .stretch = true},
    tile("object87", 0, 0, Obstacle),
    tile("object86", 1, 0, Obstacle),
    tile("object85", 2, 0, Obstacle),
    tile("object84", 3, 0, Obstacle),
    tile("object83", 4, 0, Obstacle),
    tile("object82", 5, 0, Obstacle),
    tile("object81", 6, 0, Obstacle),
    tile("object80", 7, 0, Obstacle),
    tile("object79", 8, 0, Obstacle),
    tile("object78", 8, 1, Obstacle),
    tile("object77", 8, 2, Obstacle),
    tile("object76", 9, 2, Obstacle),
    tile("object75", 8, 3, Obstacle),
    tile("object74", 7, 2, Obstacle),
    tile("object73", 6, 2, Obstacle),
    tile("object72", 5, 2, Obstacle),
    tile("object71", 7, 3, Obstacle),
    tile("object70", 6, 3, Obstacle),
    tile("object69", 5, 3, Obstacle),
    tile("object68", 9, 3, Obstacle),
    tile("object67", 10, 5, Obstacle),
    tile("object66", 10, 6, Obstacle),
    tile("object65", 10, 4, Obstacle),
    tile("object64", 10, 3, Obstacle),
    tile("object63", 1, 1, Obstacle),
    tile("object62", 3, 1, Obstacle),
    tile("object61", 4, 1, Obstacle),
    tile("object60", 6, 1, Obstacle),
    tile("object59", 10, 1, Obstacle),
    tile("object58", 9, 0, Obstacle),
    tile("object57", 4, 2, Obstacle),
    tile("object56", 3, 2, Obstacle),
    tile("object55", 2, 2, Obstacle),
    tile("object54", 1, 2, Obstacle),
    tile("object53", 0, 1, Obstacle),
    tile("object52", 0, 2, Obstacle),
    {.name = "won", .left = 2040, .top = 4920, .width = 720, .height = 720, .picture = GoalPicture, .stretch = false},
    tile("object51", 10, 8, Obstacle),
    tile("object50", 8, 6, Obstacle),
    tile("object49", 8, 4, Obstacle),
    tile("object48", 9, 4, Obstacle),
    tile("object47", 7, 4, Obstacle),
    tile("invisible4", 8, 5, SpringPad),
    tile("invisible3", 9, 5, SpringPad),
    tile("object46", 9, 7, Obstacle),
    tile("object45", 9, 8, Obstacle),
    tile("object44", 7, 7, Obstacle),
    tile("object43", 7, 6, Obstacle),
    tile("object42", 10, 7, Obstacle),
    tile("object41", 7, 5, Obstacle),
    tile("path9", 2, 5, Path),
    tile("path8", 2, 3, Path),
    tile("path7", 2, 1, Path),
    tile("path6", 9, 6, Path),
    tile("path5", 5, 1, Path),
    tile("path4", 7, 1, Path),
    tile("path3", 9, 1, Path),
    tile("path2", 5, 8, Path),
    tile("path1", 0, 8, Path),
    tile("invisible2", 6, 8, SpringPad),
    tile("invisible", 1, 8, SpringPad),
    tile("object40", 8, 8, Obstacle),
    tile("object39", 6, 7, Obstacle),
    tile("object38", 6, 6, Obstacle),
    tile("object37", 6, 5, Obstacle),
    tile("object36", 6, 4, Obstacle),
    tile("object35", 8, 7, Obstacle),
    tile("object34", 7, 8, Obstacle),
    tile("object33", 5, 7, Obstacle),
    tile("object32", 5, 6, Obstacle),
    tile("object31", 5, 5, Obstacle),
    tile("object30", 4, 3, Obstacle),
    tile("object29", 5, 4, Obstacle),
    tile("object28", 4, 7, Obstacle),
    tile("object27", 4, 6, Obstacle),
    tile("object26", 4, 5, Obstacle),
    tile("object25", 4, 4, Obstacle),
    tile("object24", 10, 0, Obstacle),
    tile("object23", 4, 8, Obstacle),
    tile("object22", 3, 7, Obstacle),
    tile("object21", 3, 6, Obstacle),
    tile("object20", 3, 8, Obstacle),
    tile("object19", 2, 7, Obstacle),
    tile("object18", 3, 5, Obstacle),
    tile("object17", 0, 4, Obstacle),
    tile("object16", 3, 4, Obstacle),
    tile("object15", 3, 3, Obstacle),
    tile("object14", 10, 2, Obstacle),
    tile("object13", 2, 6, Obstacle),
    tile("object12", 0, 3, Obstacle),
    tile("object11", 2, 4, Obstacle),
    tile("object10", 1, 3, Obstacle),
    tile("object9", 1, 4, Obstacle),
    tile("object8", 1, 5, Obstacle),
    tile("object7", 1, 6, Obstacle),
    tile("object6", 1, 7, Obstacle),
    tile("object5", 2, 8, Obstacle),
    tile("object4", 0, 7, Obstacle),
    tile("object3", 0, 6, Obstacle),
    tile("object2", 0, 5, Obstacle),
};

// The caption reads "Level1" in both levels.
constexpr platform::WindowDesign frmLevel2 =
    levelWindowDesign("frmLevel2", "Tromfel -Level1-", 10560, 8640, layout);

}  // namespace

const LevelData Level2{
    .design = frmLevel2,
    .lastObstacle = 87,
    .winMessage = "You won! Go to Level3!",
    .windowAfterWin = "frmMenu",
    .hasBonus = true,
};

}  // namespace tromfel
