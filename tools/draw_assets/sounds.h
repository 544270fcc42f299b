// The four sound effects, as samples in -1..1 at kSampleRate.
#pragma once

#include <vector>

std::vector<double> jumpSound();   // spring pad: rising boing
std::vector<double> pathSound();   // landing on a path tile: soft low thud
std::vector<double> wonSound();    // reaching the goal: three rising notes
std::vector<double> bonusSound();  // taking the bonus: bright two-note pling
