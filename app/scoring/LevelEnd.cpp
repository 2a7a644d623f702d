#include "app/Game.h"

#include "common/GameWords.h"
#include "scoring/Captions.h"
#include "scoring/Rulebook.h"

namespace {
constexpr Colour kWonColour = colours::kGreen;
constexpr Colour kLostColour = colours::kDarkRed;
}  // namespace

void Game::RunLevelWonSequence()
{
    DisableAllCells();
    // The squares timer keeps the total fresh while NEXT LEVEL waits.
    StopBonusClocks();
    ui.Label5.setCaption(words::kYouWon);
    doorScore += rulebook::kDoorPoints;
    ui.Labeldoor.setCaption(captions::fromNumber(doorScore));
    ShowTotalScore();
    ShowFinalTotal(kWonColour);
    ui.Label5.setForeColor(kWonColour);
    ui.Picture3.setVisible(true);
    ui.Command2.setVisible(true);
}

void Game::RunLosingSequence()
{
    DisableAllCells();
    StopBonusClocks();
    ui.Timer7.setEnabled(false);
    ShowFinalLoss();
}

// The end of a game that was not won: the squares counted one last time, the
// final total in dark red, and five seconds later the end screen that the
// hi-score check chooses.
void Game::ShowFinalLoss()
{
    CountSquares();
    ShowFinalTotal(kLostColour);
    ui.Picture3.setVisible(true);
    ui.Timer5.setEnabled(true);
    recorder.ended();
    CheckHiScore();
}

void Game::ShowFinalTotal(Colour colour)
{
    ui.Label17.setCaption(captions::fromNumber(TotalScore()));
    ui.Label17.setForeColor(colour);
}
