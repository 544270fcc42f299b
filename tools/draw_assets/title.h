// The title picture shown above the main menu.
#pragma once

#include "canvas.h"

Canvas drawTitle();
