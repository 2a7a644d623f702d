#include "app/Game.h"

#include "board/TileCodes.h"

#include <array>

namespace {

using tiles::Leg;

// Cells moved along each direction, indexed by Leg.
using Steps = std::array<int, 5>;

struct TargetWarning {
    bool (*applies)(const CellCodes& cellCodes, int cell);
    const char* text;
    Colour colour;
};

// What the move message says about the cell the move leads to; the first
// that applies wins, so a used black hole still warns of the black hole.
const TargetWarning kTargetWarnings[] = {
    {[](const CellCodes& c, int cell) { return c(cell, CellCodes::kTileCode) == tiles::kBlackHole; }, "*black hole",
     colours::kRed},
    {[](const CellCodes& c, int cell) { return c(cell, CellCodes::kUsedMark) == 1; }, "*box already used",
     colours::kRed},
    {[](const CellCodes& c, int cell) { return c(cell, CellCodes::kTileCode) == tiles::kDoor; }, "*door",
     colours::kGreen},
};

}  // namespace

void Game::ResolveMoves()
{
    Steps steps{};
    if (const tiles::ArrowTile* tile = tiles::findArrowTile(cellCodes(playerCell, CellCodes::kTileCode))) {
        steps[size_t(tile->firstLeg)] = cellCodes(playerCell, CellCodes::kFirstNumber).toInt();
        if (tile->secondLeg != Leg::None) {
            steps[size_t(tile->secondLeg)] = cellCodes(playerCell, CellCodes::kSecondNumber).toInt();
        }
    }
    const int stepsRight = steps[size_t(Leg::Right)];
    const int stepsLeft = steps[size_t(Leg::Left)];
    const int stepsDown = steps[size_t(Leg::Down)];
    const int stepsUp = steps[size_t(Leg::Up)];

    const int targetRow = board::rowOf(playerCell) + stepsDown - stepsUp;
    const int targetColumn = board::columnOf(playerCell) + stepsRight - stepsLeft;
    // Worked out before the field test: a move off the board still has a value.
    pendingMoveValue = std::int16_t(10 * (stepsDown + stepsUp + stepsRight + stepsLeft));

    // Only the target decides; the cells on the way play no part.
    if (board::onBoard(targetRow, targetColumn)) {
        ui.Label4.setCaption(QString());
        Shape& frame = ui.Shape2[trailCount];
        frame.setLeft(board::leftOfColumn(targetColumn) - board::kFrameOffset);
        frame.setTop(board::topOfRow(targetRow) - board::kFrameOffset);
        frame.setVisible(true);
        targetCell = std::int16_t(board::cellAt(targetRow, targetColumn));
        // Marked before the warning is chosen, so a tile that does not move
        // the player warns that its own cell is used.
        cellCodes(playerCell, CellCodes::kUsedMark) = 1;
        for (const TargetWarning& warning : kTargetWarnings) {
            if (warning.applies(cellCodes, targetCell)) {
                ui.Label4.setCaption(QLatin1String(warning.text));
                ui.Label4.setForeColor(warning.colour);
                break;
            }
        }
        ui.Timer1.setEnabled(true);
    } else {
        ui.Label4.setCaption(QStringLiteral("*outside the playing field"));
        ui.Label4.setForeColor(colours::kRed);
        targetCell = -1;
        ui.Shape2[trailCount].setVisible(false);
        ui.Timer1.setEnabled(false);
    }
}
