#include "app/Game.h"

#include "board/TileCodes.h"

void Game::RotateCurrentTile()
{
    ui.Form1.setEnabled(false);
    // The door and black holes do not turn; their move is worked out again.
    if (const std::optional<CellValue> turned = tiles::afterQuarterTurn(cellCodes(playerCell, CellCodes::kTileCode))) {
        cellCodes(playerCell, CellCodes::kTileCode) = *turned;
        currentCode = *turned;
        ui.Label1[playerCell].setCaption(cellCodes(playerCell, CellCodes::kFirstNumber).text());
        ui.Label2[playerCell].setCaption(cellCodes(playerCell, CellCodes::kSecondNumber).text());
        cellIndex = playerCell;
        PlaceCellLabels();
        ui.Picture1[playerCell].setPicture(LoadTilePicture(currentCode.text()));
    }
    ResolveMoves();
    ui.Form1.setEnabled(true);
}
