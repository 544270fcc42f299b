// frmMenu: the start menu with its title picture and the labels "Start"
// and "Exit".
#pragma once

#include "platform/window.h"

namespace tromfel {

extern const platform::WindowDesign frmMenuDesign;

class MenuWindow : public platform::Window {
public:
    explicit MenuWindow(platform::Runtime& runtime);

    void Form_Load() override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void MouseMove(platform::Element* over) override;
    void Click(platform::Element& element) override;

    void Form_MouseMove();
    void Image1_MouseMove();
    void lblStart_MouseMove();
    void lblExit_MouseMove();
    void lblStart_Click();
    void lblExit_Click();

private:
    platform::Element& Image1;
    platform::Element& lblStart;
    platform::Element& lblExit;
};

}  // namespace tromfel
