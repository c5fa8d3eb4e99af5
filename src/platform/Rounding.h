#pragma once

#include <cmath>

// Rounds to the nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline long long roundHalfEven(double value)
{
    return std::llrint(value); // the default rounding mode is to nearest, ties to even
}
