#pragma once

#include "board/CellCodes.h"

// The squares of used cells counted the plain way: every side, every top-left
// cell, every cell of the square. Slow, and obviously right.
inline int referenceSquares(const CellCodes& cellCodes)
{
    int points = 0;
    for (int side = 2; side <= 14; ++side) {
        for (int row = 0; row <= 14 - side; ++row) {
            for (int column = 0; column <= 22 - side; ++column) {
                bool whole = true;
                for (int r = row; whole && r < row + side; ++r) {
                    for (int c = column; whole && c < column + side; ++c) {
                        whole = cellCodes(r * 22 + c, CellCodes::kUsedMark) == CellValue("1");
                    }
                }
                points += whole ? 10 * side * side : 0;
            }
        }
    }
    return points;
}
