#include "app/Form1Layout.h"
#include "app/Game.h"
#include "board/Dealing.h"
#include "board/TileCodes.h"

// A level is dealt in steps that draw from the random source in a fixed
// order: the door first, then every other cell from the top left. Saved
// counters index into that sequence, so the steps, and the draws inside each,
// must keep their order.

namespace {

// The door goes anywhere but the start cell; its cell shows no numbers.
int placeDoor(Game& game)
{
    const int doorCell = dealing::drawDoorCell(game.random);
    game.ui.Picture1[doorCell].setPicture(game.LoadTilePicture(QLatin1String(tiles::kDoor)));
    game.ui.Label1[doorCell].setVisible(false);
    game.ui.Label2[doorCell].setVisible(false);
    game.cellCodes(doorCell, CellCodes::kTileCode) = tiles::kDoor;
    for (int plane : {CellCodes::kFirstNumber, CellCodes::kSecondNumber, CellCodes::kUsedMark}) {
        game.cellCodes(doorCell, plane) = "0";
    }
    return doorCell;
}

// The tile of cell cellIndex: a black hole, or an arrow with its two numbers.
void dealTile(Game& game, int hardChance)
{
    const int i = game.cellIndex;
    Form1Controls& ui = game.ui;
    const dealing::Tile tile = dealing::drawTile(game.random, i, game.levelNumber, hardChance);
    if (tile.blackHole) {
        ui.Label1[i].setVisible(false);
        ui.Label2[i].setVisible(false);
        game.currentCode = tile.code;
    } else {
        ui.Label1[i].setCaption(QString::number(tile.first));
        ui.Label2[i].setCaption(QString::number(tile.second));
        game.currentCode = tile.code;
        game.PlaceCellLabels();
    }
    game.cellCodes(i, CellCodes::kTileCode) = game.currentCode;
    game.cellCodes(i, CellCodes::kFirstNumber) = ui.Label1[i].caption();
    game.cellCodes(i, CellCodes::kSecondNumber) = ui.Label2[i].caption();
    game.cellCodes(i, CellCodes::kUsedMark) = 0;
    ui.Picture1[i].setPicture(game.LoadTilePicture(game.currentCode.text()));
}

// Every cell but the door, in cell order.
void dealTiles(Game& game, int doorCell)
{
    const int hardChance = dealing::hardChance(game.levelNumber);
    for (game.cellIndex = 0; game.cellIndex <= board::kCells - 1; ++game.cellIndex) {
        if (game.cellIndex != doorCell) {
            dealTile(game, hardChance);
        }
    }
}

// The cells in their rows and columns, and the start marker beside the first.
void layOutCells(Game& game)
{
    Form1Controls& ui = game.ui;
    for (game.cellIndex = 0; game.cellIndex <= board::kCells - 1; ++game.cellIndex) {
        PictureBox& cell = ui.Picture1[game.cellIndex];
        cell.setLeft(board::leftOfColumn(board::columnOf(game.cellIndex)));
        cell.setTop(board::topOfRow(board::rowOf(game.cellIndex)));
    }
    ui.Label3.setLeft(layout::kStartMarkerLeft);
    ui.Label3.setTop(layout::kStartMarkerTop);
}

// The trail begins with one frame, on the start cell itself; later frames
// are set 30 twips up and left of theirs.
void startTrail(Game& game)
{
    Form1Controls& ui = game.ui;
    const PictureBox& start = ui.Picture1[board::kStartCell];
    ui.Shape2[0].setVisible(true);
    ui.Shape2[0].setTop(start.top());
    ui.Shape2[0].setLeft(start.left());
    game.trailCount = 1;
    for (int frame = 1; frame < Form1Controls::kTrailFrames; ++frame) {
        ui.Shape2[frame].setVisible(false);
    }
}

// The move message under the board, the door's frame, and the move the start
// tile offers.
void showFirstMove(Game& game, int doorCell)
{
    Form1Controls& ui = game.ui;
    const PictureBox& start = ui.Picture1[board::kStartCell];
    const PictureBox& last = ui.Picture1[board::kCells - 1];
    ui.Label4.setCaption(QString());
    ui.Label4.setLeft(start.left());
    ui.Label4.setTop(last.height() + last.top() + layout::kMoveMessageGap);
    ui.Shape1.setLeft(ui.Picture1[doorCell].left() - board::kFrameOffset);
    ui.Shape1.setTop(ui.Picture1[doorCell].top() - board::kFrameOffset);
    game.ResolveMoves();
}

// "3" on the result panel over the board; the countdown opens the level.
void startCountdown(Form1Controls& ui)
{
    ui.Label5.setForeColor(colours::kDarkRed);
    ui.Label5.setCaption(QStringLiteral("3"));
    ui.Label17.setCaption(QString());
    ui.Picture3.setVisible(true);
    ui.Timer4.setEnabled(true);
    ui.Timer7.setEnabled(true);
}

}  // namespace

void Game::BuildLevel()
{
    StopBonusClocks();
    HideAllCells();
    ui.Label27.setEnabled(true);
    gameOverTicks = 0;
    playerCell = board::kStartCell;
    targetCell = -1;
    ResetLevelCounters();
    ui.Label19.setCaption(QStringLiteral("LEVEL ") + QString::number(levelNumber));

    const int doorCell = placeDoor(*this);
    DisableAllCells();
    dealTiles(*this, doorCell);
    layOutCells(*this);
    ShowAllCells();
    startTrail(*this);
    showFirstMove(*this, doorCell);
    startCountdown(ui);
}
