// What sets one level window apart from the other: its stored design and
// the data its tick runs on.
#pragma once

#include <span>
#include <string_view>

#include "platform/design.h"

namespace tromfel {

struct LevelData {
    const platform::WindowDesign& design;
    int lastObstacle;  // the obstacles are object2 up to this one
    std::string_view winMessage;
    std::string_view windowAfterWin;
    bool hasBonus;
};

// Helpers for the level designs: a tile stands in cell (column, row) of the
// grid, at its picture's own size.
inline constexpr float TileSize = 960;

constexpr platform::ElementDesign tile(std::string_view name, int column, int row, std::string_view picture) {
    return {.name = name,
            .left = TileSize * static_cast<float>(column),
            .top = TileSize * static_cast<float>(row),
            .width = TileSize,
            .height = TileSize,
            .picture = picture,
            .stretch = false};
}

// Shared by both levels: pictures and the window's look.
inline constexpr std::string_view PlayerPicture = "player.png";
inline constexpr std::string_view GoalPicture = "goal.png";
inline constexpr std::string_view LevelIcon = "level_icon.png";
inline constexpr std::string_view LevelPointer = "level_pointer.png";

// Both level windows: black, with the level icon and pointer, and Timer1
// asking for a tick every millisecond.
constexpr platform::WindowDesign levelWindowDesign(std::string_view name, std::string_view caption,
                                                   float clientWidth, float clientHeight,
                                                   std::span<const platform::ElementDesign> layout) {
    return {.name = name,
            .caption = caption,
            .clientWidth = clientWidth,
            .clientHeight = clientHeight,
            .background = platform::Black,
            .icon = LevelIcon,
            .pointer = LevelPointer,
            .pointerHotX = 0,
            .pointerHotY = 0,
            .frameless = false,
            .timer = {"Timer1", 1},
            .elements = layout};
}

extern const LevelData Level1;
extern const LevelData Level2;

}  // namespace tromfel
