// The window runtime on the headless backend: layout, load, ticks, input,
// message boxes, run-time errors and sound.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/checked.h"
#include "platform/headless_backend.h"
#include "platform/runtime_error.h"
#include "test_designs.h"

namespace testing_platform {
namespace {

using platform::HeadlessBackend;
using platform::Prop;
using Kind = HeadlessBackend::Record::Kind;

struct Harness {
    HeadlessBackend backend{{100, 80}};
    platform::Runtime runtime{backend, "Tromfel"};
    RecordingWindow test{runtime, frmTest};
    RecordingWindow other{runtime, frmOther};

    void ticks(int count) {
        for (int i = 0; i < count; ++i) runtime.runUntil(runtime.nextTick());
    }
    void events() { runtime.runUntil(backend.now()); }
};

TEST(WindowLifecycle, EveryShowOfAClosedWindowLaysItOutAfreshAndLoadsBeforeTheFirstTick) {
    Harness h;
    h.runtime.start(h.test);
    EXPECT_EQ(h.test.calls, (std::vector<std::string>{"load"}));
    h.ticks(1);
    EXPECT_EQ(h.test.calls, (std::vector<std::string>{"load", "tick"}));

    platform::Element& label = h.test.element("lblText");
    label.set(Prop::Left, 1234.5f);
    label.setVisible(false);
    label.setForeColor(0xFF);
    h.test.Show();  // already open: nothing is laid out again
    EXPECT_EQ(label.Left(), 1234.5f);
    EXPECT_EQ(h.test.calls.size(), 2u);

    h.test.Close();
    h.other.Show();
    h.test.Show();
    EXPECT_EQ(label.Left(), 30.0f);
    EXPECT_TRUE(label.Visible());
    EXPECT_EQ(label.ForeColor(), 0xFFFFu);
    EXPECT_EQ(h.test.calls.back(), "load");
    EXPECT_EQ(&h.test.element("lblText"), &label);
}

TEST(WindowLifecycle, AClosedWindowGetsNoTickNoEventAndItsElementsCannotBeUsed) {
    Harness h;
    h.runtime.start(h.test);
    h.test.Close();
    h.other.Show();
    h.backend.pressKey(37);
    h.ticks(0);
    h.runtime.runUntil(h.backend.now() + platform::TickPeriod * 10);
    EXPECT_EQ(h.test.calls, (std::vector<std::string>{"load"}));
    EXPECT_EQ(h.other.calls, (std::vector<std::string>{"load", "key 37 0"}));
    EXPECT_THROW(h.test.element("lblText").Left(), platform::RuntimeError);
    EXPECT_EQ(h.backend.records(),
              (std::vector<HeadlessBackend::Record>{{Kind::Shown, "frmTest"}, {Kind::Closed, "frmTest"},
                                                    {Kind::Shown, "frmOther"}}));
}

TEST(Timer, TicksComeSixtyFourTimesASecondAndAStallDropsTicksInsteadOfBurstingThem) {
    Harness h;
    h.runtime.start(h.test);
    const platform::TimePoint shown = h.backend.now();
    h.runtime.runUntil(shown + std::chrono::seconds(1));
    EXPECT_EQ(h.test.ticks, 64);

    // The program is blocked for 100 ms inside a key press: one late tick,
    // then the schedule goes on from where it would have been.
    struct Staller : RecordingWindow {
        using RecordingWindow::RecordingWindow;
        HeadlessBackend* backend = nullptr;
        void Form_KeyDown(std::int16_t&, std::int16_t&) override { backend->advance(std::chrono::milliseconds(100)); }
    };
    Staller staller{h.runtime, frmTest};
    staller.backend = &h.backend;
    h.test.Close();
    staller.Show();
    const platform::TimePoint start = h.backend.now();
    h.backend.pressKey(65);
    h.runtime.runUntil(start + std::chrono::seconds(1));
    EXPECT_EQ(staller.ticks, 64 - 6 + 1);
}

TEST(MessageBox, IsModalHoldsTicksAndDiscardsInputThatArrivesMeanwhile) {
    Harness h;
    struct Speaker : RecordingWindow {
        using RecordingWindow::RecordingWindow;
        void Timer1_Timer() override {
            RecordingWindow::Timer1_Timer();
            if (ticks == 1) runtime().ShowMessage("Hello", platform::MessageExclamation);
        }
    };
    Speaker speaker{h.runtime, frmTest};
    int ticksWhileOpen = -1;
    h.backend.onMessage = [&](const HeadlessBackend::Record& box) {
        EXPECT_EQ(box.text, "Hello");
        EXPECT_EQ(box.code, 48);
        h.backend.pressKey(37);
        h.backend.advance(std::chrono::seconds(2));
        ticksWhileOpen = speaker.ticks;
    };
    h.runtime.start(speaker);
    const platform::TimePoint start = h.backend.now();
    h.runtime.runUntil(start + std::chrono::seconds(3));
    EXPECT_EQ(ticksWhileOpen, 1);
    EXPECT_EQ(speaker.ticks, 1 + 63);  // the box's two seconds are dropped, not caught up
    EXPECT_EQ(std::count(speaker.calls.begin(), speaker.calls.end(), "key 37 0"), 0);
}

TEST(Input, MouseMovesGoToTheTopmostVisibleElementAndClicksNeedPressAndReleaseOnIt) {
    Harness h;
    h.runtime.start(h.test);
    h.backend.moveMouse(12, 7);  // label over the stretched picture
    h.backend.moveMouse(25, 15);  // stretched picture over the plain one
    h.backend.moveMouse(80, 70);  // beyond every element
    h.backend.click(1, 1);        // plain picture
    h.backend.mouseDown(1, 1);    // pressed on one element, released on another
    h.backend.mouseUp(25, 15);
    h.backend.click(90, 70);      // background: no procedure
    h.events();
    h.test.element("lblText").setVisible(false);
    h.backend.moveMouse(12, 11);
    h.backend.pressKey(39, 5);
    h.events();
    EXPECT_EQ(h.test.calls,
              (std::vector<std::string>{"load", "move lblText", "move imgStretched", "move window",
                                        "click imgPlain", "move imgStretched", "key 39 5"}));
}

TEST(Elements, ReadByNameGivesTheRectangleAndFailsOnAnythingElse) {
    Harness h;
    h.runtime.start(h.test);
    const platform::Element& picture = h.test.element("imgStretched");
    EXPECT_EQ(platform::readByName(picture, "Left"), 150.0);
    EXPECT_EQ(platform::readByName(picture, "Top"), 150.0);
    EXPECT_EQ(platform::readByName(picture, "Width"), 300.0);
    EXPECT_EQ(platform::readByName(picture, "Height"), 150.0);
    EXPECT_THROW(platform::readByName(picture, "Visible"), platform::RuntimeError);
    EXPECT_THROW(platform::readByName(picture, "left"), platform::RuntimeError);
    EXPECT_THROW(platform::readByName(h.test.element("Timer1"), "Left"), platform::RuntimeError);
    EXPECT_THROW(h.test.element("imgMissing"), platform::RuntimeError);
}

TEST(Elements, CheckedSumsStoreSinglePrecisionAndAFaultLeavesThePropertyUnwritten) {
    Harness h;
    h.runtime.start(h.test);
    platform::Element& picture = h.test.element("imgStretched");
    platform::addTo(picture, Prop::Left, -6.25);
    EXPECT_EQ(picture.Left(), 143.75f);
    picture.set(Prop::Left, FLT_MAX);
    try {
        platform::addTo(picture, Prop::Left, 1e38);
        FAIL() << "no run-time error";
    } catch (const platform::RuntimeError& error) {
        EXPECT_STREQ(error.what(), "Run-time error: overflow in imgStretched.Left");
    }
    EXPECT_EQ(picture.Left(), FLT_MAX);
    EXPECT_THROW(platform::checkedSingle(std::nan(""), picture, Prop::Top), platform::RuntimeError);
}

TEST(Program, ARunTimeErrorIsShownAndEndsWithStatusOneAndEndProgramEndsAtOnceWithZero) {
    {
        Harness h;
        struct Faulty : RecordingWindow {
            using RecordingWindow::RecordingWindow;
            void Timer1_Timer() override { platform::addTo(element("imgPlain"), Prop::Top, 1e39); }
        };
        Faulty faulty{h.runtime, frmTest};
        h.runtime.start(faulty);
        EXPECT_FALSE(h.runtime.runUntil(h.backend.now() + std::chrono::seconds(1)));
        EXPECT_EQ(h.runtime.exitStatus(), 1);
        EXPECT_EQ(h.backend.records().back(),
                  (HeadlessBackend::Record{Kind::Message, "Run-time error: overflow in imgPlain.Top", 16}));
    }
    {
        Harness h;
        struct Quitter : RecordingWindow {
            using RecordingWindow::RecordingWindow;
            void Form_KeyDown(std::int16_t&, std::int16_t&) override { runtime().EndProgram(); }
        };
        Quitter quitter{h.runtime, frmTest};
        h.runtime.start(quitter);
        h.backend.pressKey(27);
        EXPECT_FALSE(h.runtime.runUntil(h.backend.now() + std::chrono::seconds(1)));
        EXPECT_EQ(h.runtime.exitStatus(), 0);
        EXPECT_EQ(quitter.ticks, 0);
        EXPECT_EQ(h.backend.records().back().kind, Kind::Shown);  // nothing closed
    }
    {
        Harness h;
        h.runtime.start(h.test);
        h.backend.quit();  // close button, window system's quit, SIGINT/SIGTERM
        EXPECT_FALSE(h.runtime.runUntil(h.backend.now() + std::chrono::seconds(1)));
        EXPECT_EQ(h.runtime.exitStatus(), 0);
    }
}

TEST(Sound, TheLiteralIsAppendedToTheProgramFolderAsItStandsAndNoAudioDeviceAnswersZero) {
    Harness h;
    h.backend.setProgramFolder("/opt/tromfel");
    EXPECT_EQ(h.runtime.sndPlaySound(h.runtime.ProgramFolder() + "\\jump.wav", platform::SND_ASYNC), 1);
    EXPECT_EQ(h.backend.records().back(), (HeadlessBackend::Record{Kind::Sound, "/opt/tromfel\\jump.wav"}));
    h.backend.setAudioDevice(false);
    EXPECT_EQ(h.runtime.sndPlaySound("/opt/tromfel\\jump.wav", platform::SND_ASYNC), 0);
}

}  // namespace
}  // namespace testing_platform
