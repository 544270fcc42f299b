// The small pictures drawn over the playfield and the menus.
#pragma once

#include "canvas.h"

Canvas drawPlayer();
Canvas drawGoal();
Canvas drawBonus();
Canvas drawLevelIcon();
Canvas drawLevelPointer();
Canvas drawMenuPointer();
