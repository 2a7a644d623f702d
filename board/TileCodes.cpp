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

}  // namespace tiles
