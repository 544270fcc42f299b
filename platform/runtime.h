// The window runtime: the program's title and table of windows, the event
// loop with its timers, and the services the game's procedures call.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend.h"
#include "platform/clock.h"

namespace platform {

class Window;

// The flag of the sound call: play asynchronously.
inline constexpr std::uint32_t SND_ASYNC = 1;

class Runtime {
public:
    Runtime(Backend& backend, std::string title);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // The program's table of windows. Each window has one instance, created
    // the first time it is named.
    using WindowFactory = std::function<std::unique_ptr<Window>(Runtime&)>;
    void addWindow(std::string_view name, WindowFactory create);
    // The window of that name; one the table lacks is a run-time error.
    Window& window(std::string_view name);

    // Shows `first` and delivers events until the program ends; the exit status.
    int run(Window& first);

    // The same in steps, for tests: show the first window, then deliver
    // events and ticks up to `limit`. False once the program has ended.
    void start(Window& first);
    bool runUntil(TimePoint limit);
    // When the next tick of an open window is due; TimePoint::max() if none.
    TimePoint nextTick() const;

    bool ended() const { return ended_; }
    int exitStatus() const { return exitStatus_; }
    Backend& backend() { return backend_; }
    // The window that receives input: the one shown last, if still open.
    Window* activeWindow() const;

    // Services of the game's procedures.
    void ShowMessage(std::string_view text, int code);
    [[noreturn]] void EndProgram();
    std::string ProgramFolder();
    std::int32_t sndPlaySound(std::string_view path, std::uint32_t flags);

private:
    friend class Window;
    void opened(Window& window);
    void closed(Window& window);

    // Runs one step of the loop; EndProgram and run-time errors end the program.
    template <typename Step>
    void guarded(Step step);
    void dispatch(const InputEvent& event);
    void fireDueTick();
    void redraw();
    void fail(const std::string& message);

    struct TableEntry {
        std::string name;
        WindowFactory create;
        std::unique_ptr<Window> instance;
    };

    Backend& backend_;
    std::string title_;
    std::vector<TableEntry> table_;
    std::vector<Window*> open_;  // in the order shown
    bool ended_ = false;
    int exitStatus_ = 0;
};

}  // namespace platform
