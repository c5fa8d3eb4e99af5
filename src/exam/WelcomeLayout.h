#pragma once

#include <vector>

// The gap between neighbouring exam buttons on the welcome panel.
inline constexpr int ExamButtonGap = 6;

// Lefts of a row of buttons centred in a window W wide: the first at
// round((W - n * w - 6 * (n - 1)) / 2) with w its own width, halves to even, each next one 6 past
// the end of the one before.
std::vector<int> centredRow(int W, const std::vector<int>& widths);
