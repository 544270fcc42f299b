// The bonus step of level two: P10 is taken near the top of a high bounce.
#include "level/level_window.h"

namespace tromfel {

namespace {

constexpr float BonusWidth = 1400;

}  // namespace

void LevelWindow::bonusStep() {
    platform::Element& P10 = *P10_;
    const bool touching = Collision(object1_, P10) == True;
    const bool highEnough = object1_.Width() >= BonusWidth;
    const bool available = P10.Visible();
    if (touching && highEnough && available) {
        SoundResult = playSound("\\10.wav");
        P10.setVisible(false);
    }
}

}  // namespace tromfel
