#pragma once

// The board: 22 columns by 14 rows, cells numbered row by row from the top
// left. Cell pictures sit 520 twips apart (a 495-twip cell and a 25-twip gap)
// from Left 2900, Top 2500.
namespace board {

constexpr int kColumns = 22;
constexpr int kRows = 14;
constexpr int kCells = kColumns * kRows;

constexpr int kFirstLeft = 2900;
constexpr int kFirstTop = 2500;
constexpr int kPitch = 520;

constexpr int rowOf(int cell) { return cell / kColumns; }
constexpr int columnOf(int cell) { return cell % kColumns; }
constexpr int cellAt(int row, int column) { return row * kColumns + column; }
constexpr bool onBoard(int row, int column) { return row >= 0 && row < kRows && column >= 0 && column < kColumns; }
constexpr int leftOfColumn(int column) { return kFirstLeft + kPitch * column; }
constexpr int topOfRow(int row) { return kFirstTop + kPitch * row; }

// The door frame and the trail frames are 555 twips square, a little larger
// than a cell, and sit centred on their cell: this far up and left of it.
constexpr int kFrameOffset = 30;

// The start cell of every level, top left; the door is never placed there.
constexpr int kStartCell = 0;

}  // namespace board
