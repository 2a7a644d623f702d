#pragma once

#include "board/Board.h"
#include "board/CellValue.h"

#include <array>

// The per-cell record: for each cell its tile code, its two numbers and its
// used mark, addressed as cellCodes(cell, plane). Stored plane after plane,
// the cell index running fastest.
class CellCodes {
public:
    enum Plane { kTileCode = 0, kFirstNumber = 1, kSecondNumber = 2, kUsedMark = 3 };
    static constexpr int kPlanes = 4;

    CellValue& operator()(int cell, int plane) { return values_.at(cell + board::kCells * plane); }
    const CellValue& operator()(int cell, int plane) const { return values_.at(cell + board::kCells * plane); }

    bool isUsed(int cell) const { return (*this)(cell, kUsedMark) == 1; }

private:
    std::array<CellValue, board::kCells * kPlanes> values_{};
};
