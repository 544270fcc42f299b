// Turns text set in Liberation Sans Bold into a mask of an exact size.
#pragma once

#include <string>

#include "mask.h"

// The inked part of `text`, trimmed to its bounding box and resampled to
// width x height; a height of 0 keeps the typeface's own proportions.
// Needs TTF_Init to have been called. Throws std::runtime_error on failure.
Mask lettering(const std::string& text, int width, int height = 0);
