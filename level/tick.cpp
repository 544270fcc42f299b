// Timer1_Timer: one tick of a level. Bounce, contacts, clamp, goal and, in
// level two, the bonus, always all of them and in this order.
#include "level/level_window.h"
#include "platform/checked.h"
#include "platform/runtime.h"

namespace tromfel {

namespace {

using platform::Prop;

constexpr double GrowthStep = 12.5;  // Width and Height
constexpr double HalfStep = 6.25;    // Left and Top: the growth stays centred
constexpr float LandingWidth = 480;
constexpr float Margin = 200;
constexpr float LowerLimit = 0;
constexpr std::int16_t NormalPeak = 1000;
constexpr std::int16_t SpringPeak = 1500;

void resize(platform::Element& object1, double sizeStep, double positionStep) {
    platform::addTo(object1, Prop::Width, sizeStep);
    platform::addTo(object1, Prop::Height, sizeStep);
    platform::addTo(object1, Prop::Left, positionStep);
    platform::addTo(object1, Prop::Top, positionStep);
}

}  // namespace

std::int32_t LevelWindow::playSound(std::string_view fileName) {
    return runtime().sndPlaySound(runtime().ProgramFolder() + std::string(fileName), platform::SND_ASYNC);
}

// A contact acts only on the landing tick, when the player object is back
// at its resting width.
bool LevelWindow::landedOn(const platform::Element& element) {
    const bool touching = Collision(object1_, element) == True;
    const bool landed = object1_.Width() <= LandingWidth;
    return touching && landed;
}

void LevelWindow::Timer1_Timer() {
    platform::Element& object1 = object1_;
    platform::Element& object51 = object51_;

    // 1. Bounce step: grow, turn at the peak, shrink, land.
    if (BouncePhase == 0) resize(object1, +GrowthStep, -HalfStep);
    if (BouncePhase == 0 && object1.Width() >= BouncePeak) BouncePhase = 1;
    if (BouncePhase == 1) resize(object1, -GrowthStep, +HalfStep);
    if (BouncePhase == 1 && object1.Width() <= LandingWidth) BouncePhase = 0;

    // 2. Contact step: spring pads, obstacles, path tiles, where the bounce
    // step left the player object.
    for (const platform::Element* pad : springPads_) {
        if (landedOn(*pad)) {
            BouncePeak = SpringPeak;
            SoundResult = playSound("\\jump.wav");
        }
    }
    for (const platform::Element* obstacle : obstacles_) {
        if (landedOn(*obstacle)) {
            runtime().ShowMessage("You are dead", platform::MessageOk);
            Close();
            runtime().window("frmMenu").Show();
            return;  // the window is closed: nothing of it is touched again
        }
    }
    for (const platform::Element* path : paths_) {
        if (landedOn(*path)) {
            BouncePeak = NormalPeak;
            SoundResult = playSound("\\path.wav");
        }
    }

    // 3. Clamp step: the top-left corner stays inside the play area.
    if (object1.Left() < LowerLimit) object1.set(Prop::Left, LowerLimit);
    if (object1.Top() < LowerLimit) object1.set(Prop::Top, LowerLimit);
    if (platform::checkedSum(object51.Left(), Margin, object51, Prop::Left) < object1.Left()) {
        object1.set(Prop::Left, platform::checkedSum(object51.Left(), Margin, object51, Prop::Left));
    }
    if (platform::checkedSum(object51.Top(), Margin, object51, Prop::Top) < object1.Top()) {
        object1.set(Prop::Top, platform::checkedSum(object51.Top(), Margin, object51, Prop::Top));
    }

    // 4. Goal step.
    if (landedOn(won_)) {
        SoundResult = playSound("\\won.wav");
        runtime().ShowMessage(level_.winMessage, platform::MessageExclamation);
        Close();
        runtime().window(level_.windowAfterWin).Show();
        return;
    }

    // 5. Bonus step, level two only.
    if (level_.hasBonus) bonusStep();
}

}  // namespace tromfel
