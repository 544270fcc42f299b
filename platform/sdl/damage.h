// Damaged rectangles of a window: the parts to draw again and send to the
// screen, merged so that a frame needs few of them.
#pragma once

#include <SDL.h>

#include <vector>

namespace platform {

// Rectangles that overlap or lie this close are drawn as one: a ball that
// moves by a fraction of a pixel damages one rectangle, not two.
inline constexpr int MergeDistance = 16;

// Replaces rectangles that overlap or lie within MergeDistance pixels of
// each other by their bounding box, until no two do; empty ones go.
void mergeClose(std::vector<SDL_Rect>& rects);

// The smallest rectangle holding both.
SDL_Rect bounding(const SDL_Rect& a, const SDL_Rect& b);

}  // namespace platform
