// frmMenu's stored design.
#include "menu/menu_window.h"

namespace tromfel {

namespace {

using platform::Black;
using platform::Yellow;

// Drawing order, first on top. The load step places all three.
constexpr platform::ElementDesign layout[] = {
    {.name = "lblExit", .kind = platform::ElementKind::Label, .left = 2400, .top = 4080, .width = 1215,
     .height = 855, .caption = "Exit", .fontName = "Arial", .fontPoints = 36, .foreColor = Yellow,
     .backColor = Black},
    {.name = "lblStart", .kind = platform::ElementKind::Label, .left = 2280, .top = 3120, .width = 1695,
     .height = 855, .caption = "Start", .fontName = "Arial", .fontPoints = 36, .foreColor = Yellow,
     .backColor = Black},
    {.name = "Image1", .kind = platform::ElementKind::Picture, .left = 240, .top = 240, .width = 5250,
     .height = 3750, .picture = "menu_title.gif", .stretch = false},
};

}  // namespace

const platform::WindowDesign frmMenuDesign{
    .name = "frmMenu",
    .caption = "",
    .clientWidth = 5805,
    .clientHeight = 5625,
    .background = Black,
    .icon = "",
    .pointer = "menu_pointer.png",
    .pointerHotX = 0,
    .pointerHotY = 0,
    .frameless = true,
    .timer = {},
    .elements = layout,
};

}  // namespace tromfel
