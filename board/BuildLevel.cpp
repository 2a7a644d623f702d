#include "app/Game.h"

#include "board/TileCodes.h"
#include "common/RandomSource.h"
#include "common/Rounding.h"

#include <algorithm>
#include <array>

namespace {

// The share of cells dealt from the level's wider range, in percent.
constexpr int kHardChanceBase = 25;
constexpr int kHardChancePerLevel = 3;
constexpr int kHardChanceMost = 80;
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

}  // namespace

int Game::HardChance() const { return std::min(kHardChancePerLevel * levelNumber + kHardChanceBase, kHardChanceMost); }

void Game::BuildLevel()
{
    ui.Timer2.setEnabled(false);
    ui.Timer3.setEnabled(false);
    for (cellIndex = 0; cellIndex <= board::kCells - 1; ++cellIndex) {
        ui.Picture1[cellIndex].setVisible(false);
    }
    ui.Label27.setEnabled(true);
    gameOverTicks = 0;
    playerCell = board::kStartCell;
    targetCell = -1;
    ResetLevelCounters();
    ui.Label19.setCaption(QStringLiteral("LEVEL ") + QString::number(levelNumber));

    // The door goes anywhere but the start cell.
    int doorCell = board::kCells + 1;
    while (!(doorCell > 0 && doorCell < board::kCells)) {
        doorCell = roll(random, board::kCells);
    }
    ui.Picture1[doorCell].setPicture(LoadTilePicture(QLatin1String(tiles::kDoor)));
    ui.Label1[doorCell].setVisible(false);
    ui.Label2[doorCell].setVisible(false);
    cellCodes(doorCell, CellCodes::kTileCode) = tiles::kDoor;
    for (int plane : {CellCodes::kFirstNumber, CellCodes::kSecondNumber, CellCodes::kUsedMark}) {
        cellCodes(doorCell, plane) = "0";
    }
    ui.Label3.setLeft(kStartMarkerLeft);
    ui.Label3.setTop(kStartMarkerTop);

    int nextLeft = board::kFirstLeft;
    int nextTop = board::kFirstTop;
    int column = 0;
    const int hardChance = HardChance();
    for (cellIndex = 0; cellIndex <= board::kCells - 1; ++cellIndex) {
        const int i = cellIndex;
        PictureBox& cell = ui.Picture1[i];
        cell.setEnabled(false);
        if (i != doorCell) {
            int family = 0;
            do {
                const int chance = roll(random, 100);
                family = (chance < hardChance ? roll(random, levelNumber + 2) : roll(random, 2)) + 1;
            } while (i == board::kStartCell && family > kLastFamily);  // the start is never a black hole

            if (family > kLastFamily) {
                ui.Label1[i].setVisible(false);
                ui.Label2[i].setVisible(false);
                // The black hole's suffix comes from a roll of 0, which is
                // always 0; the draw is made all the same, and boards depend
                // on the sequence it keeps.
                roll(random, 0);
                currentCode = tiles::kBlackHole;
            } else {
                ui.Label1[i].setCaption(QString::number(roll(random, 4) + 1));
                ui.Label2[i].setCaption(QString::number(roll(random, 4) + 1));
                const char* letter = kLetters[size_t(roll(random, 4))];
                // Without a letter the code stays the bare family number.
                currentCode = *letter ? CellValue(QString::number(family) + QLatin1String(letter)) : CellValue(family);
                PlaceCellLabels();
            }
            cellCodes(i, CellCodes::kTileCode) = currentCode;
            cellCodes(i, CellCodes::kFirstNumber) = ui.Label1[i].caption();
            cellCodes(i, CellCodes::kSecondNumber) = ui.Label2[i].caption();
            cellCodes(i, CellCodes::kUsedMark) = 0;
            cell.setPicture(LoadTilePicture(currentCode.text()));
        }
        cell.setLeft(nextLeft);
        cell.setTop(nextTop);
        ++column;
        nextLeft += board::kPitch;
        if (column == board::kColumns) {
            nextTop += board::kPitch;
            nextLeft = board::kFirstLeft;
            column = 0;
        }
    }
    for (cellIndex = 0; cellIndex <= board::kCells - 1; ++cellIndex) {
        ui.Picture1[cellIndex].setVisible(true);
    }

    // The start cell's frame sits on the cell itself; later frames are set
    // 30 twips up and left of theirs.
    const PictureBox& start = ui.Picture1[board::kStartCell];
    ui.Shape2[0].setVisible(true);
    ui.Shape2[0].setTop(start.top());
    ui.Shape2[0].setLeft(start.left());
    trailCount = 1;
    for (int frame = 1; frame < Form1Controls::kTrailFrames; ++frame) {
        ui.Shape2[frame].setVisible(false);
    }

    const PictureBox& last = ui.Picture1[board::kCells - 1];
    ui.Label4.setCaption(QString());
    ui.Label4.setLeft(start.left());
    ui.Label4.setTop(last.height() + last.top() + kMessageGap);
    ui.Shape1.setLeft(ui.Picture1[doorCell].left() - board::kFrameOffset);
    ui.Shape1.setTop(ui.Picture1[doorCell].top() - board::kFrameOffset);

    ResolveMoves();

    ui.Label5.setForeColor(colours::kDarkRed);
    ui.Label5.setCaption(QStringLiteral("3"));
    ui.Label17.setCaption(QString());
    ui.Picture3.setVisible(true);
    ui.Timer4.setEnabled(true);
    ui.Timer7.setEnabled(true);
}
