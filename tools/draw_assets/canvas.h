// An RGBA32 SDL surface with the few drawing operations the pictures need.
#pragma once

#include <SDL.h>

#include <string>

#include "colour.h"
#include "mask.h"

class Canvas {
public:
    // A fully transparent picture.
    Canvas(int width, int height);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Canvas& operator=(Canvas&&) = delete;

    int width() const { return surface_->w; }
    int height() const { return surface_->h; }

    // Writes outside the picture are ignored so shapes may overhang.
    void set(int x, int y, Rgba c);
    void fillRect(int x, int y, int w, int h, Rgba c);
    // Every pixel whose centre lies within the circle.
    void fillDisc(double cx, double cy, double radius, Rgba c);
    // Every pixel set in the mask, with the mask's top-left corner at (left, top).
    void paint(const Mask& mask, int left, int top, Rgba c);

    // Throws std::runtime_error when the file cannot be written.
    void savePng(const std::string& path) const;

private:
    SDL_Surface* surface_;
};
