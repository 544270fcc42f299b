// A backend without a display, for tests: a virtual clock, injected input,
// scripted answers to message boxes, and an ordered record of what the
// program showed, said and played.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace platform {

class HeadlessBackend : public Backend {
public:
    struct Record {
        enum class Kind { Shown, Closed, Message, Sound };
        Kind kind;
        std::string text;  // window name, message text or sound path
        int code = 0;      // message box code
        bool operator==(const Record&) const = default;
    };

    explicit HeadlessBackend(PixelSize usableArea = {1024, 768});

    // Input, delivered in order before the next tick.
    void pressKey(std::int16_t keyCode, std::int16_t shift = 0);
    void moveMouse(float x, float y);
    void mouseDown(float x, float y);
    void mouseUp(float x, float y);
    void click(float x, float y);
    void quit();

    // Called while a message box is open, before it is answered; it may
    // inject input (which the box discards), ask the program to end (quit)
    // or let time pass.
    std::function<void(const Record&)> onMessage;
    void advance(Nanoseconds time) { now_ += time; }

    void setProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
    void setAudioDevice(bool present) { audio_ = present; }

    const std::vector<Record>& records() const { return records_; }
    void clearRecords() { records_.clear(); }

    TimePoint now() override { return now_; }
    std::optional<InputEvent> waitEvent(TimePoint deadline) override;
    PixelSize usableArea() override { return usableArea_; }
    void openWindow(Window& window) override;
    void closeWindow(Window& window) override;
    void draw(Window& window) override;
    bool showMessageBox(std::string_view title, std::string_view text, int code) override;
    std::int32_t playSound(const std::string& path) override;
    std::string programFolder() override { return programFolder_; }

private:
    void queue(InputEvent::Kind kind, float x = 0, float y = 0);

    TimePoint now_{std::chrono::hours(1)};
    PixelSize usableArea_;
    std::deque<InputEvent> input_;
    std::vector<Record> records_;
    std::string programFolder_ = ".";
    bool audio_ = true;
};

}  // namespace platform
