// The in-game quit: asked first, then the game ends as a lost one.
#include "app/Game.h"
#include "common/GameWords.h"

void Game::Label27_Click()
{
    // The bonuses stand still while the player makes up their mind.
    StopBonusClocks();
    const auto answer =
        boxes.show(QStringLiteral("Are you sure you want to quit?"), MessageBoxes::Buttons::YesNo, words::kTitle);
    if (answer != MessageBoxes::Answer::Yes) {
        // On a paused level they wait for the resume, with a whole interval.
        StartBonusClocks();
        return;
    }
    if (screen(ui) == Screen::Paused) {
        ResumeLevel();
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
    StopBonusClocks();
    ShowFinalLoss();
}
