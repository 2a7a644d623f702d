#pragma once

#include "board/CellCodes.h"
#include "board/CellValue.h"

#include <cstdint>

// The game's whole state: one record that every procedure reads and writes in
// place. The widths are the game's own; the door points and the clicks score
// are 32-bit because a player who wins a fourth level, or clicks a few
// thousand times in one level, must simply play on.

struct GameState {
    std::int32_t doorScore = 0;         // 10000 per level won in this game
    CellValue currentCode;              // the code being dealt, turned or laid out
    std::int16_t cellIndex = 0;         // the one loop counter of every loop over the cells
    CellCodes cellCodes;                // per cell: tile code, two numbers, used mark
    std::int16_t playerCell = 0;        // where the player stands
    std::int16_t targetCell = 0;        // where the pending move leads; -1 for none
    std::int16_t trailCount = 0;        // the trail frame of the pending target
    std::int32_t fastClickBank = 0;     // fast-click points kept from earlier moves
    std::int16_t fastClickBonus = 0;    // fast-click countdown of the current move
    std::int32_t clickScore = 0;        // clicks score, 3000 at level start
    std::int32_t movePoints = 0;        // sum of the values of the moves made
    std::int16_t pendingMoveValue = 0;  // ten times the length of the pending move
    std::int16_t levelNumber = 0;       // the level being played, from 1
    std::int32_t prevLevelsScore = 0;   // score of finished levels without their door points
    std::int16_t gameOverTicks = 0;     // ticks of the pause after a lost game
    std::int32_t squaresCarry = 0;      // squares points carried (0 throughout a level)
    std::int32_t squaresScore = 0;      // points of the squares on the board
};
