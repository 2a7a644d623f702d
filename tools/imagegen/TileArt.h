#pragma once

#include "TileCatalogue.h"

#include <QColor>
#include <QImage>
#include <QStringList>

class QPainter;

// The drawing of every tile picture. Each routine paints into the square of
// tilegeometry::kTileSize units at the painter's origin, so the same strokes
// serve a 66-pixel tile, a 64-pixel icon and a large banner tile alike.
namespace tileart {

struct FaceColours {
    QColor face;
    QColor light;
    QColor shadow;
};

void paintFace(QPainter& painter, const FaceColours& colours);
void paintArrow(QPainter& painter, const ArrowTile& tile);
void paintBlackHole(QPainter& painter);
void paintDoor(QPainter& painter);
void paintGreenBox(QPainter& painter);

QColor familyColour(int family);

// The names of all tile pictures the game loads: the arrow codes, the black
// hole, the door and the used box.
QStringList pictureNames();

// False when no picture has that name.
bool paintTile(QPainter& painter, const QString& name);

// The picture on a black square of the given size in pixels.
QImage renderTile(const QString& name, int pixels);

}  // namespace tileart
