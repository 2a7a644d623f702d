#pragma once

#include <QList>

// Writes the draws that make a level deal the tiles a test asks for. A roll
// of k turns draw d into d * k rounded half to even, so each wanted roll r
// is given as the draw r / k (and the last draw below 1 for r = k).
class DealScript {
public:
    // The draw that rolls `wanted` out of a roll of k.
    static float drawFor(int wanted, int k) { return wanted >= k ? 0.99999f : float(wanted) / float(k); }
    // A draw that lands exactly halfway between `wanted` and a neighbour, so
    // that only rounding halves to the even one gives `wanted`: an even roll,
    // and k of 2 or 4, where such a draw is exact in binary.
    static float halfDrawFor(int wanted, int k) { return (float(wanted) + (wanted < k ? 0.5f : -0.5f)) / float(k); }

    // The door: a roll of 308.
    DealScript& door(int cell)
    {
        draws << drawFor(cell, 308);
        return *this;
    }
    // An arrow tile from the easy range: a roll of 100 at 99, then a roll of 2.
    DealScript& arrow(int family, int first, int second, int letter)
    {
        draws << drawFor(99, 100) << drawFor(family - 1, 2);
        return numbers(first, second, letter);
    }
    // An arrow tile from the easy range whose rolls after the roll of 100 all
    // land on halves: family 1 or 3, numbers 1, 3 or 5, letter 0, 2 or 4.
    DealScript& arrowOnHalves(int family, int first, int second, int letter)
    {
        draws << drawFor(99, 100) << halfDrawFor(family - 1, 2);
        draws << halfDrawFor(first - 1, 4) << halfDrawFor(second - 1, 4) << halfDrawFor(letter, 4);
        return *this;
    }
    // An arrow tile whose roll of 100 equals the hard chance: not below it,
    // so its family still comes from the easy range.
    DealScript& arrowAtHardChance(int hardChance, int family, int first, int second, int letter)
    {
        draws << drawFor(hardChance, 100) << drawFor(family - 1, 2);
        return numbers(first, second, letter);
    }
    // An arrow tile from the level's wider range: a roll of 100 just below
    // the hard chance, then a roll of levelNumber + 2.
    DealScript& hardArrow(int levelNumber, int hardChance, int family, int first, int second, int letter)
    {
        draws << drawFor(hardChance - 1, 100) << drawFor(family - 1, levelNumber + 2);
        return numbers(first, second, letter);
    }
    // A black hole: a roll of 100 at 0 (below any hard chance), the top of
    // the level's range, then the roll of 0.
    DealScript& blackHole(int levelNumber)
    {
        draws << drawFor(0, 100) << drawFor(levelNumber + 2, levelNumber + 2) << 0.5f;
        return *this;
    }
    DealScript& numbers(int first, int second, int letter)
    {
        draws << drawFor(first - 1, 4) << drawFor(second - 1, 4) << drawFor(letter, 4);
        return *this;
    }

    QList<float> draws;
};
