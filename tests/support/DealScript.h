#pragma once

#include <QList>

// Writes the draws that make a level deal the tiles a test asks for. A roll
// of k turns draw d into d * k rounded half to even, so each wanted roll r
// is given as the draw r / k (and the last draw below 1 for r = k).
class DealScript {
public:
    // The draw that rolls `wanted` out of a roll of k.
    static float drawFor(int wanted, int k) { return wanted >= k ? 0.99999f : float(wanted) / float(k); }

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
