#pragma once

#include <QPointF>

// Tiles are drawn in a square of 66 units, two to a pixel of the design's
// 33-pixel cell; the picture files hold them at three pixels to one.
namespace tilegeometry {

constexpr double kTileSize = 66.0;
constexpr QPointF kCentre(kTileSize / 2, kTileSize / 2);

// A cell is 495 twips wide, so one tile unit is 7.5 twips.
constexpr double kTwipsPerUnit = 495.0 / kTileSize;
constexpr double kLabelWidthTwips = 135.0;
constexpr double kLabelHeightTwips = 255.0;

}  // namespace tilegeometry
