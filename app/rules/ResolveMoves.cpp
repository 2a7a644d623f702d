#include "app/Game.h"
#include "rules/MoveTarget.h"

namespace {

Colour colourOf(moves::Tone tone) { return tone == moves::Tone::Warning ? colours::kRed : colours::kGreen; }

}  // namespace

void Game::ResolveMoves()
{
    const moves::Move move = moves::offeredFrom(playerCell, cellCodes(playerCell, CellCodes::kTileCode),
                                                cellCodes(playerCell, CellCodes::kFirstNumber).toInt(),
                                                cellCodes(playerCell, CellCodes::kSecondNumber).toInt());
    // Worked out before the field test: a move off the board still has a value.
    pendingMoveValue = move.value;

    // Only the target decides; the cells on the way play no part.
    if (board::onBoard(move.row, move.column)) {
        ui.Label4.setCaption(QString());
        Shape& frame = ui.Shape2[trailCount];
        frame.setLeft(board::leftOfColumn(move.column) - board::kFrameOffset);
        frame.setTop(board::topOfRow(move.row) - board::kFrameOffset);
        frame.setVisible(true);
        targetCell = std::int16_t(board::cellAt(move.row, move.column));
        // Marked before the warning is chosen, so a tile that does not move
        // the player warns that its own cell is used.
        cellCodes(playerCell, CellCodes::kUsedMark) = 1;
        if (const moves::TargetWarning* warning = moves::warningAbout(cellCodes, targetCell)) {
            ui.Label4.setCaption(QLatin1String(warning->text));
            ui.Label4.setForeColor(colourOf(warning->tone));
        }
        ui.Timer1.setEnabled(true);
    } else {
        ui.Label4.setCaption(QLatin1String(moves::kOffTheBoard.text));
        ui.Label4.setForeColor(colourOf(moves::kOffTheBoard.tone));
        targetCell = -1;
        ui.Shape2[trailCount].setVisible(false);
        ui.Timer1.setEnabled(false);
    }
}
