// Pixel access and simple fills on an RGBA32 surface.
#include "canvas.h"

#include <SDL_image.h>

#include <cstddef>
#include <cstring>
#include <stdexcept>

Canvas::Canvas(int width, int height)
    : surface_(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32)) {
    if (surface_ == nullptr) throw std::runtime_error(SDL_GetError());
    std::memset(surface_->pixels, 0, static_cast<std::size_t>(surface_->pitch * height));
}

Canvas::~Canvas() {
    if (surface_ != nullptr) SDL_FreeSurface(surface_);
}

Canvas::Canvas(Canvas&& other) noexcept : surface_(other.surface_) { other.surface_ = nullptr; }

void Canvas::set(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    auto* p = static_cast<Uint8*>(surface_->pixels) + y * surface_->pitch + x * 4;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
}

void Canvas::fillRect(int x, int y, int w, int h, Rgba c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) set(i, j, c);
    }
}

void Canvas::fillDisc(double cx, double cy, double radius, Rgba c) {
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= radius * radius) set(x, y, c);
        }
    }
}

void Canvas::paint(const Mask& mask, int left, int top, Rgba c) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.at(x, y)) set(left + x, top + y, c);
        }
    }
}

void Canvas::savePng(const std::string& path) const {
    if (IMG_SavePNG(surface_, path.c_str()) != 0) {
        throw std::runtime_error("cannot write " + path + ": " + IMG_GetError());
    }
}
