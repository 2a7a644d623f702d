#pragma once

#include "board/CellValue.h"

class RandomSource;

// What chance deals on a level: the door first, then every other cell from
// the top left. Saved counters index into the random sequence, so the draws,
// and their order, must stay exactly as they are.
namespace dealing {

// A roll of k: a draw times k, taken as a float, rounded to the nearest whole
// number with halves to the even one; 0 to k.
int roll(RandomSource& random, int k);

// The share of cells, in percent, dealt from level `levelNumber`'s wider
// range.
int hardChance(int levelNumber);

// The door's cell: anywhere but the start cell.
int drawDoorCell(RandomSource& random);

// A cell's tile as dealt: a black hole, or an arrow with its two numbers.
struct Tile {
    CellValue code;
    bool blackHole = false;
    int first = 0;  // the numbers of an arrow, 1 to 5
    int second = 0;
};

// The tile of `cell` on level `levelNumber`, a share `hardChance` of whose
// cells come from the wider range.
Tile drawTile(RandomSource& random, int cell, int levelNumber, int hardChance);

}  // namespace dealing
