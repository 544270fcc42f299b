// Stored designs: a window and its layout table, as plain data.
#pragma once

#include <span>
#include <string_view>

#include "platform/units.h"

namespace platform {

enum class ElementKind { Picture, Label, Timer };

// One entry of a layout table. Pictures use `picture` and `stretch`; labels
// use `caption`, the font and the colours.
struct ElementDesign {
    std::string_view name;
    ElementKind kind = ElementKind::Picture;
    float left = 0, top = 0, width = 0, height = 0;
    std::string_view picture = {};
    bool stretch = false;
    std::string_view caption = {};
    std::string_view fontName = {};
    int fontPoints = 0;
    Colour foreColor = 0;
    Colour backColor = 0;
};

struct TimerDesign {
    std::string_view name;
    int intervalMs = 0;  // 0: the window has no timer
};

struct WindowDesign {
    std::string_view name;
    std::string_view caption;
    float clientWidth = 0, clientHeight = 0;  // twips
    Colour background = 0;
    std::string_view icon = {};  // empty: none
    std::string_view pointer = {};
    int pointerHotX = 0, pointerHotY = 0;
    bool frameless = false;
    TimerDesign timer = {};
    std::span<const ElementDesign> elements;  // drawing order, first on top
};

}  // namespace platform
