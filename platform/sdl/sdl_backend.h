// The backend of the real program: windows, drawing, input, message boxes
// and sound over SDL2.
#pragma once

#include <SDL.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_pictures.h"
#include "platform/sdl/sdl_screen.h"

namespace platform {

class SdlBackend : public Backend {
public:
    // Fails with a clear message when there is no display.
    SdlBackend();
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    TimePoint now() override { return Clock::now(); }
    std::optional<InputEvent> waitEvent(TimePoint deadline) override;
    PixelSize usableArea() override;
    void openWindow(Window& window) override;
    void closeWindow(Window& window) override;
    void draw(Window& window) override;
    void showMessageBox(std::string_view title, std::string_view text, int code) override;
    std::int32_t playSound(const std::string& path) override;
    std::string programFolder() override;

    // The pixels last drawn in an open window, as 0xAARRGGBB, row by row.
    std::vector<std::uint32_t> capture(const Window& window, PixelSize& size);

private:
    SdlScreen* screenOf(const Window& window);
    SdlScreen* screenOf(Uint32 windowId);
    std::optional<InputEvent> translate(const SDL_Event& event);

    std::unique_ptr<SdlPictures> pictures_;
    std::map<const Window*, std::unique_ptr<SdlScreen>> screens_;
    const Window* active_ = nullptr;  // the window shown last: owner of message boxes
    std::unique_ptr<SdlAudio> audio_;
    std::string programFolder_;
};

}  // namespace platform
