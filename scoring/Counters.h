#pragma once

#include <cstdint>

// The arithmetic of the score counters. The counters themselves stand in the
// captions of their labels; these work out what the captions become.
namespace counters {

// The counters as their labels show them.
struct Shown {
    std::int32_t fastClick;
    std::int32_t timeBonus;
    std::int32_t clicks;
    std::int32_t points;
    std::int32_t door;
    std::int32_t squares;
};

// The total: the counters in this order, the score carried from earlier
// levels, and the squares once more as last counted, so that they count twice.
std::int32_t total(const Shown& shown, std::int32_t prevLevelsScore, std::int32_t squaresScore);

// One tick of the fast-click countdown of a move that banked `bank` before it.
struct FastClickTick {
    std::int16_t countdown;  // the countdown after the tick
    std::int32_t shown;      // what the fast-click counter shows
};
FastClickTick fastClickTick(std::int32_t bank, std::int16_t countdown);

// The score level `levelNumber`, won with `finalTotal`, carries into the next:
// the door points of every level won so far stay in the door counter, so the
// score carried is the rest.
std::int32_t carriedScore(double finalTotal, std::int16_t levelNumber);

}  // namespace counters
