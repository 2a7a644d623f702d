#include "board/TileCodes.h"

namespace tiles {

const ArrowTile* findArrowTile(const CellValue& code)
{
    const QString text = code.text();
    for (const ArrowTile& tile : kArrowTiles) {
        if (text == QLatin1String(tile.code)) {
            return &tile;
        }
    }
    return nullptr;
}

std::optional<CellValue> afterQuarterTurn(const CellValue& code)
{
    if (code == kDoor || code == kBlackHole) {
        return std::nullopt;
    }
    if (const ArrowTile* tile = findArrowTile(code)) {
        return CellValue(tile->afterQuarterTurn);
    }
    return code;
}

}  // namespace tiles
