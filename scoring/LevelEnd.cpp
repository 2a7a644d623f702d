#include "app/Game.h"

#include "common/GameWords.h"
#include "common/Rounding.h"
#include "scoring/Captions.h"

namespace {
constexpr std::int32_t kDoorPoints = 10000;
constexpr Colour kWonColour = colours::kGreen;
constexpr Colour kLostColour = colours::kDarkRed;
}  // namespace

void Game::RunLevelWonSequence()
{
    DisableAllCells();
    // The squares timer keeps the total fresh while NEXT LEVEL waits.
    ui.Timer2.setEnabled(false);
    ui.Timer3.setEnabled(false);
    ui.Label5.setCaption(words::kYouWon);
    doorScore += kDoorPoints;
    ui.Labeldoor.setCaption(captions::fromNumber(doorScore));
    ShowTotalScore();
    ui.Label17.setCaption(captions::fromNumber(TotalScore()));
    ui.Label17.setForeColor(kWonColour);
    ui.Label5.setForeColor(kWonColour);
    ui.Picture3.setVisible(true);
    ui.Command2.setVisible(true);
}

void Game::RunLosingSequence()
{
    DisableAllCells();
    ui.Timer2.setEnabled(false);
    ui.Timer3.setEnabled(false);
    ui.Timer7.setEnabled(false);
    ShowFinalLoss();
}

// The end of a game that was not won: the squares counted one last time, the
// final total in dark red, and five seconds later the end screen that the
// hi-score check chooses.
void Game::ShowFinalLoss()
{
    CountSquares();
    ui.Label17.setCaption(captions::fromNumber(TotalScore()));
    ui.Label17.setForeColor(kLostColour);
    ui.Picture3.setVisible(true);
    ui.Timer5.setEnabled(true);
    CheckHiScore();
}

void Game::Command2_Click()
{
    // The door points of every level won so far stay in doorScore; the score
    // carried is the rest. Formed in 32 bits: from level 4 the door points no
    // longer fit in 16.
    const double finalTotal = ui.Label17.caption().toDouble();
    prevLevelsScore = static_cast<std::int32_t>(roundHalfEven(finalTotal - std::int32_t(levelNumber) * kDoorPoints));
    ++levelNumber;
    BuildLevel();
    ui.Command2.setVisible(false);
}

void Game::Label27_Click()
{
    // The bonuses stand still while the player makes up their mind.
    ui.Timer2.setEnabled(false);
    ui.Timer3.setEnabled(false);
    const auto answer =
        boxes.show(QStringLiteral("Are you sure you want to quit?"), MessageBoxes::Buttons::YesNo, words::kTitle);
    if (answer != MessageBoxes::Answer::Yes) {
        ui.Timer2.setEnabled(true);
        ui.Timer3.setEnabled(true);
        return;
    }
    DisableAllCells();
    ui.Label27.setVisible(false);
    // Quitting from a won level's result screen must not leave NEXT LEVEL
    // there to deal a level into a game that is over.
    ui.Command2.setVisible(false);
    ui.Timer4.setEnabled(false);
    ui.Timer7.setEnabled(false);
    // A countdown that reached START while the question waited has switched
    // the bonuses on again; the game is over, so they stand still under the
    // final total.
    ui.Timer2.setEnabled(false);
    ui.Timer3.setEnabled(false);
    ShowFinalLoss();
}
