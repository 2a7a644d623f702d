#pragma once

#include <cstdint>

// What reaching the door adds to the door counter: written by the won level,
// taken back out of the total when the next level carries the score over.
inline constexpr std::int32_t kDoorPoints = 10000;
