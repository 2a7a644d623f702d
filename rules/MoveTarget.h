#pragma once

#include "board/CellCodes.h"

#include <cstdint>

// Where a tile sends the player and what the move is worth, from the tile's
// code and its two numbers alone, and what the move message says about the
// cell it leads to. ResolveMoves puts the answers on the board.
namespace moves {

struct Move {
    int row;             // may lie off the board
    int column;          // likewise
    std::int16_t value;  // ten times the cells travelled, off the board or not
};

// The move that the tile `code`, with the numbers `first` and `second`,
// offers from `cell`. A code that is no arrow tile offers a move of no length.
Move offeredFrom(int cell, const CellValue& code, int first, int second);

// What a move message means for the player: a danger or a refusal, or the
// way out. The window gives each its colour.
enum class Tone { Warning, Welcome };

struct TargetWarning {
    const char* text;
    Tone tone;
};

// What the move message says about the cell `target`; none for a fresh tile.
const TargetWarning* warningAbout(const CellCodes& cellCodes, int target);

// What it says of a move that would leave the board.
inline constexpr TargetWarning kOffTheBoard{"*outside the playing field", Tone::Warning};

}  // namespace moves
