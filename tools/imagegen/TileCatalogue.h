#pragma once

#include "Direction.h"

#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <span>

// Where the game puts a number label inside a cell, in twips from the cell's
// top-left corner, exactly as the board lays them out.
struct LabelPlace {
    int top;
    int left;
};

// One arrow tile: the move it offers and where its numbers will sit. Every
// picture of an arrow tile is drawn from this row and nothing else.
struct ArrowTile {
    const char* code;
    int family;  // 1 goes straight, 2 bends left, 3 bends right
    Direction first;
    std::optional<Direction> second;  // family 1 has a single leg
    std::array<std::optional<LabelPlace>, 2> labels;
};

std::span<const ArrowTile> arrowTiles();
const ArrowTile* findArrowTile(const QString& code);

// The label spot in tile units (66 to a cell side), so that the drawing can
// keep it free for the black digit the game writes there.
QRectF labelRect(const LabelPlace& place);
