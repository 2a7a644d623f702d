#include "app/Game.h"

#include "board/TileCodes.h"
#include "rules/CellClick.h"
#include "scoring/Captions.h"
#include "scoring/Rulebook.h"

void Game::Picture1_Click(std::int16_t index) { HandleCellClick(index, ClickedOn::Picture); }

void Game::Label1_Click(std::int16_t index) { HandleCellClick(index, ClickedOn::NumberLabel); }

void Game::Label2_Click(std::int16_t index) { HandleCellClick(index, ClickedOn::NumberLabel); }

// Only the player's cell and the target answer; every click they take costs.
void Game::HandleCellClick(std::int16_t index, ClickedOn clicked)
{
    ui.Form1.setEnabled(false);
    const turns::Outcome outcome = turns::outcomeOf(*this, index, clicked == ClickedOn::Picture);
    if (outcome != turns::Outcome::Ignored) {
        clickScore -= rulebook::kClickCost;
        ui.Label11.setCaption(captions::fromNumber(clickScore));
        ShowTotalScore();

        switch (outcome) {
        case turns::Outcome::LevelWon:
            RunLevelWonSequence();
            break;
        case turns::Outcome::Lost:
            RunLosingSequence();
            break;
        case turns::Outcome::Move:
            MakeMove(index);
            break;
        case turns::Outcome::Turn:
            playerCell = index;
            RotateCurrentTile();
            break;
        case turns::Outcome::Ignored:
            break;
        }
    }
    ui.Form1.setEnabled(true);
}

void Game::MakeMove(std::int16_t index)
{
    // The cell left behind becomes a used green box.
    ui.Picture1[playerCell].setPicture(LoadTilePicture(QLatin1String(tiles::kUsedBox)));
    ui.Label1[playerCell].setCaption(QString());
    ui.Label2[playerCell].setCaption(QString());
    movePoints += pendingMoveValue;
    ui.Label13.setCaption(captions::fromNumber(movePoints));
    ShowTotalScore();

    // Bank the fast-click points shown right now and start the next countdown.
    ui.Timer3.setEnabled(false);
    fastClickBank = captions::toNumber(ui.Label8.caption());
    fastClickBonus = rulebook::kFastClickAtStart;

    playerCell = index;
    ui.Timer1.setEnabled(false);
    ++trailCount;
    ui.Shape2[trailCount].setVisible(true);
    ResolveMoves();
    // The blinking may have left the reached cell's frame hidden; it stays on
    // for good as a mark of the path.
    ui.Shape2[trailCount - 1].setVisible(true);
    ui.Timer3.setEnabled(true);
}
