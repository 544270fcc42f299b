// Small window designs for testing the platform, and a window that records
// every event procedure called on it.
#pragma once

#include <string>
#include <vector>

#include "platform/runtime.h"
#include "platform/window.h"

namespace testing_platform {

// 600 x 450 twips (40 x 30 pixels): a label over a stretched picture over a
// picture at its own size, and a timer.
extern const platform::WindowDesign frmTest;
// The same without a timer, framed differently, for switching windows.
extern const platform::WindowDesign frmOther;

class RecordingWindow : public platform::Window {
public:
    using platform::Window::Window;

    std::vector<std::string> calls;
    int ticks = 0;

    void Form_Load() override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void Timer1_Timer() override;
    void MouseMove(platform::Element* over) override;
    void Click(platform::Element& element) override;
};

}  // namespace testing_platform
