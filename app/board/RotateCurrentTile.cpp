#include "app/Game.h"

#include "board/TileCodes.h"

void Game::RotateCurrentTile()
{
    ui.Form1.setEnabled(false);
    CellCodes::Entry code = cellCodes(playerCell, CellCodes::kTileCode);
    // The door and black holes do not turn; their move is worked out again.
    if (!(code == tiles::kDoor || code == tiles::kBlackHole)) {
        if (const tiles::ArrowTile* tile = tiles::findArrowTile(code)) {
            code = tile->afterQuarterTurn;
        }
        currentCode = code;
        ui.Label1[playerCell].setCaption(cellCodes(playerCell, CellCodes::kFirstNumber).text());
        ui.Label2[playerCell].setCaption(cellCodes(playerCell, CellCodes::kSecondNumber).text());
        cellIndex = playerCell;
        PlaceCellLabels();
        ui.Picture1[playerCell].setPicture(LoadTilePicture(currentCode.text()));
    }
    ResolveMoves();
    ui.Form1.setEnabled(true);
}
