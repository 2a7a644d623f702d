#include "TileCatalogue.h"

#include "TileGeometry.h"

namespace {

using enum Direction;

// Families 2 and 3 put the first number on the side the first leg comes from
// and the second on the side the second leg leaves by; family 1 keeps its one
// number in the middle whatever the direction.
const std::array<ArrowTile, 12> kArrowTiles{{
    {"1", 1, Up, std::nullopt, {LabelPlace{160, 180}, std::nullopt}},
    {"1a", 1, Left, std::nullopt, {LabelPlace{160, 180}, std::nullopt}},
    {"1b", 1, Down, std::nullopt, {LabelPlace{160, 180}, std::nullopt}},
    {"1c", 1, Right, std::nullopt, {LabelPlace{160, 180}, std::nullopt}},
    {"2", 2, Right, Up, {LabelPlace{140, 30}, LabelPlace{40, 220}}},
    {"2a", 2, Up, Left, {LabelPlace{240, 180}, LabelPlace{180, 0}}},
    {"2b", 2, Left, Down, {LabelPlace{140, 300}, LabelPlace{240, 180}}},
    {"2c", 2, Down, Right, {LabelPlace{0, 140}, LabelPlace{140, 300}}},
    {"3", 3, Down, Left, {LabelPlace{40, 220}, LabelPlace{140, 30}}},
    {"3a", 3, Right, Down, {LabelPlace{140, 0}, LabelPlace{240, 180}}},
    {"3b", 3, Up, Right, {LabelPlace{240, 160}, LabelPlace{140, 320}}},
    {"3c", 3, Left, Up, {LabelPlace{140, 300}, LabelPlace{0, 160}}},
}};

}  // namespace

std::span<const ArrowTile> arrowTiles() { return kArrowTiles; }

const ArrowTile* findArrowTile(const QString& code)
{
    for (const ArrowTile& tile : kArrowTiles) {
        if (code == QLatin1String(tile.code)) {
            return &tile;
        }
    }
    return nullptr;
}

QRectF labelRect(const LabelPlace& place)
{
    using namespace tilegeometry;
    return QRectF(place.left / kTwipsPerUnit, place.top / kTwipsPerUnit, kLabelWidthTwips / kTwipsPerUnit,
                  kLabelHeightTwips / kTwipsPerUnit);
}
