// frmMenu's procedures: the load step, the hover colours, the clicks and Escape.
#include "menu/menu_window.h"

#include "platform/checked.h"
#include "platform/keys.h"
#include "platform/runtime.h"

namespace tromfel {

using platform::Prop;
using platform::Red;
using platform::Yellow;

MenuWindow::MenuWindow(platform::Runtime& runtime)
    : platform::Window(runtime, frmMenuDesign),
      Image1(element("Image1")),
      lblStart(element("lblStart")),
      lblExit(element("lblExit")) {}

// Each step reads back what the one before it wrote.
void MenuWindow::Form_Load() {
    Image1.set(Prop::Left, platform::checkedSingle(static_cast<double>(Width()) / 2.0, Image1, Prop::Left));
    Image1.set(Prop::Top, 100);
    lblStart.set(Prop::Top, platform::checkedSum(Image1.Height(), 100, lblStart, Prop::Top));
    lblStart.set(Prop::Left, platform::checkedSum(Image1.Left(), 2000, lblStart, Prop::Left));
    lblExit.set(Prop::Top, platform::checkedSum(lblStart.Top(), 1000, lblExit, Prop::Top));
    lblExit.set(Prop::Left, platform::checkedSum(lblStart.Left(), 100, lblExit, Prop::Left));
}

void MenuWindow::Form_KeyDown(std::int16_t& KeyCode, std::int16_t&) {
    if (KeyCode == platform::VK_ESCAPE) runtime().EndProgram();
}

void MenuWindow::MouseMove(platform::Element* over) {
    if (!over) return Form_MouseMove();
    if (over == &Image1) return Image1_MouseMove();
    if (over == &lblStart) return lblStart_MouseMove();
    if (over == &lblExit) return lblExit_MouseMove();
}

void MenuWindow::Click(platform::Element& element) {
    if (&element == &lblStart) return lblStart_Click();
    if (&element == &lblExit) return lblExit_Click();
}

void MenuWindow::Form_MouseMove() {
    lblStart.setForeColor(Yellow);
    lblExit.setForeColor(Yellow);
}

void MenuWindow::Image1_MouseMove() {
    lblStart.setForeColor(Yellow);
    lblExit.setForeColor(Yellow);
}

void MenuWindow::lblStart_MouseMove() {
    lblStart.setForeColor(Red);
    lblExit.setForeColor(Yellow);
}

void MenuWindow::lblExit_MouseMove() {
    lblExit.setForeColor(Red);
    lblStart.setForeColor(Yellow);
}

void MenuWindow::lblStart_Click() {
    Close();
    runtime().window("frmLevel1").Show();
}

void MenuWindow::lblExit_Click() { runtime().EndProgram(); }

}  // namespace tromfel
