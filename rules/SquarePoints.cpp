#include "rules/SquarePoints.h"

#include "board/Board.h"
#include "scoring/Rulebook.h"

#include <bit>

// Every square of side 2 to 14 made only of used cells is worth ten times its
// side squared; squares inside or overlapping others count as well.
//
// A square of side s stands at a top-left cell exactly when the four squares
// of side s - 1 at that cell, right of it, below it and below-right all do.
// So, starting from the used cells themselves (the squares of side 1), each
// side's top-left corners are four row words ANDed together: the whole scan
// of the board is a few hundred word operations, and it stops at the first
// side that has no square at all.
std::int32_t squarePoints(const CellCodes& cellCodes)
{
    CellCodes::UsedRows corners = cellCodes.usedRows();
    std::int32_t points = 0;
    for (int side = 2, rows = board::kRows; side <= board::kRows; ++side) {
        --rows;  // a square of this side needs `side` rows below its top
        std::uint32_t any = 0;
        for (int r = 0; r < rows; ++r) {
            const std::uint32_t both = corners[r] & corners[r + 1];
            corners[r] = both & both >> 1;  // the right neighbour's bit moves onto the left
            any |= corners[r];
            points += rulebook::kSquarePointsPerCell * side * side * std::popcount(corners[r]);
        }
        if (!any) {
            break;
        }
    }
    return points;
}
