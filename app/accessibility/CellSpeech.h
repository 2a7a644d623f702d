#pragma once

#include "board/GameState.h"

#include <QString>

// What a screen reader says of a board cell: where it is, what it holds, and
// whether the player stands on it or the pending move leads there.
namespace speech {

// "arrow 3 right then 2 down", "door", "black hole", "used box".
QString cellContents(const GameState& state, int cell);

// "row 3, column 5".
QString cellPlace(int cell);

// "row 3, column 5: arrow 3 right then 2 down"; the target says so after its
// place, and the player's cell adds where its move leads: "row 1, column 1,
// player: arrow 3 down; target: row 4, column 1, door".
QString cellName(const GameState& state, int cell);

}  // namespace speech
