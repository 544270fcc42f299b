// The test designs and the recording window.
#include "test_designs.h"

namespace testing_platform {

using platform::ElementDesign;
using platform::ElementKind;

namespace {

const ElementDesign testElements[] = {
    {.name = "lblText", .kind = ElementKind::Label, .left = 30, .top = 30, .width = 300, .height = 150,
     .caption = "Hi", .fontName = "Arial", .fontPoints = 9, .foreColor = 0xFFFF, .backColor = 0xFF0000},
    {.name = "imgStretched", .kind = ElementKind::Picture, .left = 150, .top = 150, .width = 300, .height = 150,
     .picture = "level1_path.png", .stretch = true},
    {.name = "imgPlain", .kind = ElementKind::Picture, .left = 0, .top = 0, .width = 960, .height = 960,
     .picture = "level1_path.png", .stretch = false},
};

const ElementDesign otherElements[] = {
    {.name = "imgBall", .kind = ElementKind::Picture, .left = 0, .top = 0, .width = 480, .height = 480,
     .picture = "player.png", .stretch = true},
};

}  // namespace

const platform::WindowDesign frmTest{
    .name = "frmTest",
    .caption = "Platform test",
    .clientWidth = 600,
    .clientHeight = 450,
    .background = 0x00FF00,
    .icon = "level_icon.png",
    .pointer = "level_pointer.png",
    .timer = {"Timer1", 1},
    .elements = testElements,
};

const platform::WindowDesign frmOther{
    .name = "frmOther",
    .caption = "",
    .clientWidth = 600,
    .clientHeight = 450,
    .background = 0,
    .frameless = true,
    .elements = otherElements,
};

void RecordingWindow::Form_Load() { calls.push_back("load"); }

void RecordingWindow::Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    calls.push_back("key " + std::to_string(KeyCode) + " " + std::to_string(Shift));
}

void RecordingWindow::Timer1_Timer() {
    ++ticks;
    if (calls.empty() || calls.back() != "tick") calls.push_back("tick");
}

void RecordingWindow::MouseMove(platform::Element* over) {
    calls.push_back("move " + (over ? std::string(over->name()) : std::string("window")));
}

void RecordingWindow::Click(platform::Element& element) { calls.push_back("click " + std::string(element.name())); }

}  // namespace testing_platform
