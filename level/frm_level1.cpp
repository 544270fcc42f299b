// frmLevel1: the first level's stored design, 9 x 7 tiles, and its data.
#include "level/level_data.h"

namespace tromfel {

namespace {

constexpr std::string_view Obstacle = "level1_obstacle.png";
constexpr std::string_view Path = "level1_path.png";
constexpr std::string_view SpringPad = "level1_spring.png";

// Drawing order, first on top.
constexpr platform::ElementDesign layout[] = {
    {.name = "object1", .left = 240, .top = 240, .width = 480, .height = 480, .picture = PlayerPicture, .stretch = true},
    {.name = "won", .left = 120, .top = 5880, .width = 720, .height = 720, .picture = GoalPicture, .stretch = false},
    tile("object51", 8, 6, Obstacle),
    tile("object50", 8, 4, Obstacle),
    tile("object49", 8, 3, Obstacle),
    tile("object48", 8, 1, Obstacle),
    tile("object47", 8, 0, Obstacle),
    tile("invisible4", 8, 5, SpringPad),
    tile("invisible3", 8, 2, SpringPad),
    tile("object46", 7, 6, Obstacle),
    tile("object45", 7, 5, Obstacle),
    tile("object44", 7, 4, Obstacle),
    tile("object43", 7, 3, Obstacle),
    tile("object42", 7, 1, Obstacle),
    tile("object41", 7, 0, Obstacle),
    tile("path9", 0, 6, Path),
    tile("path8", 2, 6, Path),
    tile("path7", 4, 6, Path),
    tile("path6", 6, 6, Path),
    tile("path5", 7, 2, Path),
    tile("path4", 6, 2, Path),
    tile("path3", 0, 2, Path),
    tile("path2", 0, 1, Path),
    tile("path1", 0, 0, Path),
    tile("invisible2", 4, 1, SpringPad),
    tile("invisible", 2, 2, SpringPad),
    tile("object40", 6, 5, Obstacle),
    tile("object39", 6, 4, Obstacle),
    tile("object38", 6, 3, Obstacle),
    tile("object37", 6, 1, Obstacle),
    tile("object36", 6, 0, Obstacle),
    tile("object35", 5, 6, Obstacle),
    tile("object34", 5, 5, Obstacle),
    tile("object33", 5, 4, Obstacle),
    tile("object32", 5, 3, Obstacle),
    tile("object31", 5, 2, Obstacle),
    tile("object30", 5, 1, Obstacle),
    tile("object29", 5, 0, Obstacle),
    tile("object28", 4, 5, Obstacle),
    tile("object27", 4, 4, Obstacle),
    tile("object26", 4, 3, Obstacle),
    tile("object25", 4, 2, Obstacle),
    tile("object24", 4, 0, Obstacle),
    tile("object23", 3, 6, Obstacle),
    tile("object22", 3, 5, Obstacle),
    tile("object21", 3, 4, Obstacle),
    tile("object20", 2, 5, Obstacle),
    tile("object19", 2, 4, Obstacle),
    tile("object18", 3, 3, Obstacle),
    tile("object17", 2, 3, Obstacle),
    tile("object16", 3, 2, Obstacle),
    tile("object15", 3, 1, Obstacle),
    tile("object14", 3, 0, Obstacle),
    tile("object13", 2, 1, Obstacle),
    tile("object12", 2, 0, Obstacle),
    tile("object11", 1, 0, Obstacle),
    tile("object10", 1, 1, Obstacle),
    tile("object9", 1, 2, Obstacle),
    tile("object8", 1, 3, Obstacle),
    tile("object7", 1, 4, Obstacle),
    tile("object6", 1, 5, Obstacle),
    tile("object5", 1, 6, Obstacle),
    tile("object4", 0, 5, Obstacle),
    tile("object3", 0, 4, Obstacle),
    tile("object2", 0, 3, Obstacle),
};

constexpr platform::WindowDesign frmLevel1 =
    levelWindowDesign("frmLevel1", "Tromfel -Level1-", 8640, 6750, layout);

}  // namespace

const LevelData Level1{
    .design = frmLevel1,
    .lastObstacle = 51,
    .winMessage = "You won! Go to Level2!",
    .windowAfterWin = "frmLevel2",
    .hasBonus = false,
};

}  // namespace tromfel
