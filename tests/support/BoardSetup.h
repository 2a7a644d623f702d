#pragma once

#include "app/Game.h"

// Puts a tile on a cell of the record directly, as a level might have dealt it.
inline void putTile(Game& game, int cell, const CellValue& code, int first = 1, int second = 1)
{
    game.cellCodes(cell, CellCodes::kTileCode) = code;
    game.cellCodes(cell, CellCodes::kFirstNumber) = QString::number(first);
    game.cellCodes(cell, CellCodes::kSecondNumber) = QString::number(second);
}

inline void clearBoard(Game& game)
{
    for (int cell = 0; cell < board::kCells; ++cell) {
        putTile(game, cell, CellValue("1"));
        game.cellCodes(cell, CellCodes::kUsedMark) = 0;
    }
}
