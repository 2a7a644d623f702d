#pragma once

#include "board/GameState.h"

#include <QString>

// What a screen reader says of a board cell: where it is, what it holds, and
// whether the player stands on it or the pending move leads there.
namespace speech {

// "arrow 3 right then 2 down", "door", "black hole", "used box".
QString cellContents(const GameState& state, int cell);

// "row 3, column 5: arrow 3 right then 2 down"; the player's cell and the
// target say so after their place.
QString cellName(const GameState& state, int cell);

}  // namespace speech
