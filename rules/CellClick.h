#pragma once

#include "board/GameState.h"

// What a click on a cell of the board does, from the record alone.
namespace turns {

enum class Outcome {
    Ignored,   // neither the player's cell nor the target
    LevelWon,  // the door
    Lost,      // a black hole, or a green box already used
    Move,      // onto the target
    Turn,      // the player's own tile, a quarter turn
};

// A click on cell `index`: on its picture (`onPicture`) or on one of its
// number labels. The door and black holes keep their labels hidden, so only
// a click on the picture itself can meet them.
Outcome outcomeOf(const GameState& state, int index, bool onPicture);

}  // namespace turns
