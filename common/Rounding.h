#pragma once

#include <cmath>

// Every conversion to a whole number in the game sends halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4). Written out rather than left to
// std::nearbyint, so a rounding mode changed elsewhere in the process cannot
// change a board or a counter.
inline double roundHalfEven(double x)
{
    if (std::fabs(x - std::trunc(x)) != 0.5) {
        return std::round(x);
    }
    return 2.0 * std::round(x / 2.0);
}
