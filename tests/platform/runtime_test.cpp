// The window runtime on the headless backend: layout, load, ticks, input,
// message boxes and run-time errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "platform/checked.h"
#include "platform/headless_backend.h"
#include "platform/runtime.h"
#include "platform/runtime_error.h"
#include "platform/window.h"

namespace testing_platform {
namespace {

using namespace platform;
using Kind = HeadlessBackend::Record::Kind;

// 600 x 450 twips (40 x 30 pixels): a label over a stretched picture over a
// picture at its own size, and a timer.
const ElementDesign testElements[] = {
    {.name = "lblText", .kind = ElementKind::Label, .left = 30, .top = 30, .width = 300, .height = 150,
     .caption = "Hi", .fontName = "Arial", .fontPoints = 9, .foreColor = Yellow},
    {.name = "imgStretched", .left = 150, .top = 150, .width = 300, .height = 150, .picture = "p.png", .stretch = true},
    {.name = "imgPlain", .left = 0, .top = 0, .width = 960, .height = 960, .picture = "p.png"},
};
const WindowDesign frmTest{.name = "frmTest", .caption = "Test", .clientWidth = 600, .clientHeight = 450,
                           .timer = {"Timer1", 1}, .elements = testElements};

// A window that records every procedure called on it.
struct RecordingWindow : Window {
    using Window::Window;
    using Window::runtime;
    std::vector<std::string> calls;
    int ticks = 0;
    std::function<void(RecordingWindow&)> onTick;

    void Form_Load() override { calls.push_back("load"); }
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override {
        calls.push_back("key " + std::to_string(KeyCode) + " " + std::to_string(Shift));
    }
    void Timer1_Timer() override {
        ++ticks;
        if (onTick) onTick(*this);
    }
    void MouseMove(Element* over) override { calls.push_back("move " + std::string(over ? over->name() : "window")); }
    void Click(Element& element) override { calls.push_back("click " + std::string(element.name())); }
};

struct Harness {
    HeadlessBackend backend{{100, 80}};
    Runtime runtime{backend, "Tromfel"};
    RecordingWindow test{runtime, frmTest};
    RecordingWindow other{runtime, frmTest};
    Harness() { runtime.start(test); }
    void runFor(Nanoseconds time) { runtime.runUntil(backend.now() + time); }
};

TEST(Windows, EveryShowOfAClosedWindowLaysItOutAfreshAndAClosedOneGetsNothing) {
    Harness h;
    Element& label = h.test.element("lblText");
    label.set(Prop::Left, 1234.5f);
    label.setVisible(false);
    label.setForeColor(Red);
    h.test.Close();
    h.other.Show();
    h.backend.pressKey(37);
    h.runFor(TickPeriod * 10);
    EXPECT_EQ(h.test.ticks, 0);
    EXPECT_EQ(h.other.calls, (std::vector<std::string>{"load", "key 37 0"}));
    EXPECT_THROW(label.Left(), RuntimeError);
    h.other.Close();
    h.test.Show();
    EXPECT_EQ(std::tuple(label.Left(), label.Visible(), label.ForeColor()), std::tuple(30.0f, true, Yellow));
    EXPECT_EQ(h.test.calls, (std::vector<std::string>{"load", "load"}));
}

TEST(Timer, TicksComeSixtyFourTimesASecondAndAStallDropsTicksInsteadOfBurstingThem) {
    Harness h;
    h.runFor(std::chrono::seconds(1));
    EXPECT_EQ(h.test.ticks, 64);
    // Blocked for 100 ms inside one tick: the next tick comes once, late, the
    // five more it overran are dropped, and the schedule goes on as before.
    h.test.onTick = [&](RecordingWindow& window) {
        if (window.ticks == 65) h.backend.advance(std::chrono::milliseconds(100));
    };
    h.runFor(std::chrono::seconds(1));
    EXPECT_EQ(h.test.ticks, 64 + 64 - 5);
}

TEST(MessageBox, HoldsTicksDiscardsInputThatArrivesMeanwhileAndGivesWayToAQuit) {
    Harness h;
    h.test.onTick = [&](RecordingWindow& window) {
        if (window.ticks == 1) window.runtime().ShowMessage("Hello", MessageExclamation);
    };
    int ticksWhileOpen = -1;
    h.backend.onMessage = [&](const HeadlessBackend::Record& box) {
        EXPECT_EQ(box, (HeadlessBackend::Record{Kind::Message, "Hello", 48}));
        h.backend.pressKey(37);
        h.backend.advance(std::chrono::seconds(2));
        ticksWhileOpen = h.test.ticks;
    };
    h.runFor(std::chrono::seconds(3));
    EXPECT_EQ(ticksWhileOpen, 1);
    EXPECT_EQ(h.test.ticks, 1 + 63);  // the box's two seconds are dropped, not caught up
    EXPECT_EQ(std::count(h.test.calls.begin(), h.test.calls.end(), "key 37 0"), 0);

    h.backend.onMessage = [&](const HeadlessBackend::Record&) { h.backend.quit(); };
    h.test.ticks = 0;
    h.test.Close();
    h.test.Show();
    h.runFor(std::chrono::seconds(1));
    EXPECT_TRUE(h.runtime.ended());
    EXPECT_EQ(h.runtime.exitStatus(), 0);
}

TEST(Input, MouseMovesGoToTheTopmostVisibleElementAndClicksNeedPressAndReleaseOnIt) {
    Harness h;
    h.backend.moveMouse(12, 7);   // the label over the stretched picture
    h.backend.moveMouse(25, 15);  // the stretched picture over the plain one
    h.backend.moveMouse(80, 70);  // beyond every element
    h.backend.click(1, 1);        // the plain picture
    h.backend.mouseDown(1, 1);    // pressed on one element, released on another
    h.backend.mouseUp(25, 15);
    h.backend.click(90, 70);  // the background: no procedure
    h.runFor({});
    h.test.element("lblText").setVisible(false);
    h.backend.moveMouse(12, 11);
    h.backend.pressKey(39, 5);
    h.runFor({});
    EXPECT_EQ(h.test.calls, (std::vector<std::string>{"load", "move lblText", "move imgStretched", "move window",
                                                      "click imgPlain", "move imgStretched", "key 39 5"}));
}

TEST(Program, ARunTimeErrorOrABoxThatCannotBeShownEndsTheProgramWithStatusOne) {
    Harness h;
    h.test.onTick = [](RecordingWindow& window) { addTo(window.element("imgPlain"), Prop::Top, 1e39); };
    EXPECT_FALSE(h.runtime.runUntil(h.backend.now() + std::chrono::seconds(1)));
    EXPECT_EQ(h.runtime.exitStatus(), 1);
    EXPECT_EQ(h.backend.records().back(),
              (HeadlessBackend::Record{Kind::Message, "Run-time error: overflow in imgPlain.Top", 16}));

    // A box that cannot be shown ends the program, never passing for closed.
    struct NoBoxes : HeadlessBackend {
        bool showMessageBox(std::string_view, std::string_view, int) override { throw RuntimeError("no box"); }
    } noBoxes;
    Runtime runtime(noBoxes, "Tromfel");
    RecordingWindow speaker(runtime, frmTest);
    speaker.onTick = [](RecordingWindow& window) { window.runtime().ShowMessage("You are dead", MessageOk); };
    runtime.start(speaker);
    EXPECT_FALSE(runtime.runUntil(noBoxes.now() + std::chrono::seconds(1)));
    EXPECT_EQ(runtime.exitStatus(), 1);
    EXPECT_EQ(speaker.ticks, 1);

    // Waiting, which may draw what the window system lost, fails the same way.
    struct LostScreen : HeadlessBackend {
        std::optional<InputEvent> waitEvent(TimePoint) override { throw RuntimeError("cannot draw frmTest"); }
    } lost;
    Runtime waiting(lost, "Tromfel");
    RecordingWindow window(waiting, frmTest);
    waiting.start(window);
    EXPECT_FALSE(waiting.runUntil(lost.now() + std::chrono::seconds(1)));
    EXPECT_EQ(lost.records().back(), (HeadlessBackend::Record{Kind::Message, "Run-time error: cannot draw frmTest", 16}));
}

}  // namespace
}  // namespace testing_platform
