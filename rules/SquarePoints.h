#pragma once

#include "board/CellCodes.h"

#include <cstdint>

// The points of every square of used cells on the board: the record alone
// decides them, so they are worked out without the window.
std::int32_t squarePoints(const CellCodes& cellCodes);
