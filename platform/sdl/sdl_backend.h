// The backend of the real program: windows, drawing, input, message boxes
// and sound over SDL2.
#pragma once

#include <bitset>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/sdl/message_box.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_pictures.h"
#include "platform/sdl/sdl_screen.h"

namespace platform {

class SdlBackend : public Backend {
public:
    // Fails with a clear message when there is no display.
    SdlBackend();

    TimePoint now() override { return Clock::now(); }
    std::optional<InputEvent> waitEvent(TimePoint deadline) override;
    PixelSize usableArea() override;
    void openWindow(Window& window) override;
    void closeWindow(Window& window) override;
    void draw(Window& window) override;
    bool showMessageBox(std::string_view title, std::string_view text, int code) override;
    std::int32_t playSound(const std::string& path) override;
    std::string programFolder() override;

    // The screen of an open window; a closed one is a run-time error.
    SdlScreen& screen(const Window& window);

private:
    // SDL's video, SDL_ttf and SDL_image, started for the backend's life.
    struct Libraries {
        Libraries();
        ~Libraries();
        Libraries(const Libraries&) = delete;
        Libraries& operator=(const Libraries&) = delete;
    };

    SdlScreen* screenOf(const Window& window);
    SdlScreen* screenOf(Uint32 windowId);
    std::optional<InputEvent> translate(const SDL_Event& event);
    bool waitForBox(MessageBox& box);
    // Notes a key going down or up, whatever window it reached.
    void track(const SDL_Event& event);

    Libraries libraries_;
    SdlPictures pictures_;
    SdlAudio audio_;
    std::map<const Window*, std::unique_ptr<SdlScreen>> screens_;
    const Window* active_ = nullptr;  // the window shown last: owner of message boxes
    std::bitset<SDL_NUM_SCANCODES> keysDown_;  // as the program last heard of them
    std::string programFolder_;
};

}  // namespace platform
