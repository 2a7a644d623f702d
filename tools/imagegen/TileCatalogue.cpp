#include "TileCatalogue.h"

#include "TileGeometry.h"
#include "board/TileCodes.h"

namespace {

// The game's legs after None, in its order: up, left, down, right.
Direction directionOf(tiles::Leg leg)
{
    static constexpr Direction kDirections[] = {Direction::Up, Direction::Left, Direction::Down, Direction::Right};
    return kDirections[static_cast<int>(leg) - static_cast<int>(tiles::Leg::Up)];
}

LabelPlace placeOf(const tiles::LabelSpot& spot) { return LabelPlace{spot.top, spot.left}; }

// The game's own tile table, seen as the drawings need it: every picture is
// drawn from the same rows the game moves the player by.
std::array<ArrowTile, tiles::kArrowTiles.size()> fromGameTable()
{
    std::array<ArrowTile, tiles::kArrowTiles.size()> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const tiles::ArrowTile& game = tiles::kArrowTiles[i];
        ArrowTile& row = rows[i];
        row.code = game.code;
        row.family = game.code[0] - '0';
        row.first = directionOf(game.firstLeg);
        if (game.secondLeg != tiles::Leg::None) {
            row.second = directionOf(game.secondLeg);
        }
        row.labels[0] = placeOf(game.firstNumber);
        if (game.secondNumber) {
            row.labels[1] = placeOf(*game.secondNumber);
        }
    }
    return rows;
}

const auto kArrowTiles = fromGameTable();

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
