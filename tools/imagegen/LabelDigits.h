#pragma once

#include "TileCatalogue.h"

#include <QStringList>

class QPainter;

// Writes a tile's numbers into its label spots the way the game does: black
// bold digits at the top left of each label. Used to preview the pictures as
// players will see them and to dress the tiles of the banner.
void paintLabelDigits(QPainter& painter, const ArrowTile& tile, const QStringList& numbers);
void paintDigitAt(QPainter& painter, const LabelPlace& place, const QString& number);
