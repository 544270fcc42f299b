// Replays a script of tick-numbered input through the real program on the
// headless backend and writes down, tick by tick, what the player saw.
#pragma once

#include <string>

namespace tromfel::testing {

// Script lines: "<step> key <code> [<times>]", "<step> move <x> <y>" or
// "<step> click <x> <y>" (pixels), in order; '#' starts a comment. Steps
// follow the 64-per-second clock from the start: in each step the events of
// that step are delivered, then the open level ticks once (the menu has no
// ticks). The record has one line per step, and one per sound, message and
// window shown or closed.
std::string replay(const std::string& script, const std::string& soundFolder);

}  // namespace tromfel::testing
