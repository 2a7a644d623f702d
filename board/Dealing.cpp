#include "board/Dealing.h"

#include "board/Board.h"
#include "board/TileCodes.h"
#include "common/RandomSource.h"
#include "common/Rounding.h"
#include "scoring/Rulebook.h"

#include <algorithm>
#include <array>

namespace dealing {

namespace {

// Families above the three arrow families are black holes.
constexpr int kLastFamily = 3;
// The rotation letter by a roll of 4: none for 0 and 4.
constexpr std::array<const char*, 5> kLetters{"", "a", "b", "c", ""};

}  // namespace

int roll(RandomSource& random, int k) { return static_cast<int>(roundHalfEven(random.Rnd() * static_cast<float>(k))); }

int hardChance(int levelNumber)
{
    return std::min(rulebook::kHardChancePerLevel * levelNumber + rulebook::kHardChanceBase, rulebook::kHardChanceMost);
}

int drawDoorCell(RandomSource& random)
{
    int doorCell = board::kCells + 1;
    while (!(doorCell > 0 && doorCell < board::kCells)) {
        doorCell = roll(random, board::kCells);
    }
    return doorCell;
}

Tile drawTile(RandomSource& random, int cell, int levelNumber, int hardChance)
{
    int family = 0;
    do {
        const int chance = roll(random, 100);
        family = (chance < hardChance ? roll(random, levelNumber + 2) : roll(random, 2)) + 1;
    } while (cell == board::kStartCell && family > kLastFamily);  // the start is never a black hole

    if (family > kLastFamily) {
        // The black hole's suffix comes from a roll of 0, which is always 0;
        // the draw is made all the same, and boards depend on the sequence it
        // keeps.
        roll(random, 0);
        return {tiles::kBlackHole, true};
    }
    Tile tile;
    tile.first = roll(random, 4) + 1;
    tile.second = roll(random, 4) + 1;
    const char* letter = kLetters[size_t(roll(random, 4))];
    // Without a letter the code stays the bare family number.
    tile.code = *letter ? CellValue(QString::number(family) + QLatin1String(letter)) : CellValue(family);
    return tile;
}

}  // namespace dealing
