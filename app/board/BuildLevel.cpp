#include "app/Game.h"

#include "board/TileCodes.h"
#include "common/RandomSource.h"
#include "common/Rounding.h"
#include "scoring/Rulebook.h"

#include <algorithm>
#include <array>

// A level is dealt in steps that draw from the random source in a fixed
// order: the door first, then every other cell from the top left. Saved
// counters index into that sequence, so the steps, and the draws inside each,
// must keep their order.

namespace {

// Codes above the three arrow families are black holes.
constexpr int kLastFamily = 3;
// The rotation letter by a roll of 4: none for 0 and 4.
constexpr std::array<const char*, 5> kLetters{"", "a", "b", "c", ""};
constexpr int kStartMarkerLeft = 1500;
constexpr int kStartMarkerTop = 2560;
constexpr int kMessageGap = 80;

// A roll of k: a draw times k, taken as a float, rounded to the nearest whole
// number with halves to the even one; 0 to k.
int roll(RandomSource& random, int k) { return static_cast<int>(roundHalfEven(random.Rnd() * static_cast<float>(k))); }

// The door goes anywhere but the start cell; its cell shows no numbers.
int placeDoor(Game& game)
{
    int doorCell = board::kCells + 1;
    while (!(doorCell > 0 && doorCell < board::kCells)) {
        doorCell = roll(game.random, board::kCells);
    }
    game.ui.Picture1[doorCell].setPicture(game.LoadTilePicture(QLatin1String(tiles::kDoor)));
    game.ui.Label1[doorCell].setVisible(false);
    game.ui.Label2[doorCell].setVisible(false);
    game.cellCodes(doorCell, CellCodes::kTileCode) = tiles::kDoor;
    for (int plane : {CellCodes::kFirstNumber, CellCodes::kSecondNumber, CellCodes::kUsedMark}) {
        game.cellCodes(doorCell, plane) = "0";
    }
    return doorCell;
}

// The tile of cell cellIndex: a family, then either a black hole or an arrow
// with its two numbers and its letter.
void dealTile(Game& game, int hardChance)
{
    const int i = game.cellIndex;
    Form1Controls& ui = game.ui;
    int family = 0;
    do {
        const int chance = roll(game.random, 100);
        family = (chance < hardChance ? roll(game.random, game.levelNumber + 2) : roll(game.random, 2)) + 1;
    } while (i == board::kStartCell && family > kLastFamily);  // the start is never a black hole

    if (family > kLastFamily) {
        ui.Label1[i].setVisible(false);
        ui.Label2[i].setVisible(false);
        // The black hole's suffix comes from a roll of 0, which is always 0;
        // the draw is made all the same, and boards depend on the sequence it
        // keeps.
        roll(game.random, 0);
        game.currentCode = tiles::kBlackHole;
    } else {
        ui.Label1[i].setCaption(QString::number(roll(game.random, 4) + 1));
        ui.Label2[i].setCaption(QString::number(roll(game.random, 4) + 1));
        const char* letter = kLetters[size_t(roll(game.random, 4))];
        // Without a letter the code stays the bare family number.
        game.currentCode = *letter ? CellValue(QString::number(family) + QLatin1String(letter)) : CellValue(family);
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
    const int hardChance = game.HardChance();
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
    ui.Label3.setLeft(kStartMarkerLeft);
    ui.Label3.setTop(kStartMarkerTop);
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
    ui.Label4.setTop(last.height() + last.top() + kMessageGap);
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

int Game::HardChance() const
{
    return std::min(rulebook::kHardChancePerLevel * levelNumber + rulebook::kHardChanceBase, rulebook::kHardChanceMost);
}

void Game::BuildLevel()
{
    ui.Timer2.setEnabled(false);
    ui.Timer3.setEnabled(false);
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
