#include "app/Game.h"

#include "board/TileCodes.h"

void Game::PlaceCellLabels()
{
    // Door, black hole and anything unknown: the labels stay as they are
    // (whoever deals those cells hides them).
    const tiles::ArrowTile* tile = tiles::findArrowTile(currentCode);
    if (!tile) {
        return;
    }
    Label& first = ui.Label1[cellIndex];
    Label& second = ui.Label2[cellIndex];
    first.setTop(tile->firstNumber.top);
    first.setLeft(tile->firstNumber.left);
    first.setVisible(true);
    if (tile->secondNumber) {
        second.setTop(tile->secondNumber->top);
        second.setLeft(tile->secondNumber->left);
        second.setVisible(true);
    } else {
        second.setVisible(false);
    }
}
