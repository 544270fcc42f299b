// The 64 x 64 tiles the two levels are built from.
#pragma once

#include "canvas.h"

Canvas drawLevel1Path();
Canvas drawLevel1Spring();
Canvas drawLevel1Obstacle();
Canvas drawLevel2Path();
Canvas drawLevel2Spring();
Canvas drawLevel2Obstacle();
