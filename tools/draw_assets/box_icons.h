// The icons the platform layer's message box shows beside its text.
#pragma once

#include "canvas.h"

Canvas drawBoxExclamation();
Canvas drawBoxError();
