#pragma once

#include "app/Form1Controls.h"
#include "app/MessageBoxes.h"
#include "app/Screen.h"
#include "app/controls/PictureFiles.h"
#include "app/replay/GameRecorder.h"
#include "board/GameState.h"
#include "storage/Connection.h"
#include "storage/GameFiles.h"
#include "storage/RecordSet.h"
#include "storage/Recordings.h"

#include <QString>
#include <functional>

class PreparedDatabaseKey;
class RandomSource;

// The game behind the window: its state record, its event handlers and its
// procedures. Handlers and procedures keep the names the game's design gives
// them. They ask the core (board/, rules/, scoring/, storage/) what follows
// from the rules and write the controls. Each heading below names the file
// that defines what follows it; event handlers (what a click or a tick calls)
// come first, the procedures they share after them.
class Game : public GameState {
public:
    // A key prepared in advance for files.databaseFile lets start-up open it
    // without deriving the key again.
    Game(Form1Controls& ui, GameFiles files, RandomSource& random, MessageBoxes& boxes,
         PreparedDatabaseKey* preparedKey = nullptr);

    // ---- Event handlers ----

    // app/FormLoad.cpp: start-up.
    void Form_Load();
    // The start-up of a run that only watches recorded games: the window and
    // its pictures, and no hi-score file, whose counter it leaves alone.
    void LoadToWatch();
    // app/ExitGame.cpp
    void Label26_Click();  // EXIT on the menu

    // app/Menu.cpp: the menu and its information panels.
    void Label22_Click();  // new game
    void Label23_Click();  // hi-scores
    void Label24_Click();  // how to play
    void Label25_Click();  // credits
    void Label35_Click();  // closes the hi-scores
    void Label38_Click();  // closes the credits
    void Label45_Click();  // closes how to play

    // app/hiscores/SaveNameAndResetList.cpp
    void Label37_Click();  // saves the name
    void Label48_Click();  // resets the list

    // app/rules/TurnHandling.cpp: clicks on a cell, its first and its second
    // number.
    void Picture1_Click(std::int16_t index);
    void Label1_Click(std::int16_t index);
    void Label2_Click(std::int16_t index);

    // app/scoring/NextLevel.cpp
    void Command2_Click();  // NEXT LEVEL
    // app/scoring/QuitGame.cpp
    void Label27_Click();  // quits the running game

    // app/scoring/Pause.cpp: the P and Pause keys, and minimising the
    // window.
    void PauseLevel();
    void ResumeLevel();

    // app/scoring/TargetBlink.cpp
    void Timer1_Timer();  // blinks the target frame
    // app/scoring/CounterTicks.cpp
    void Timer2_Timer();  // time bonus
    void Timer3_Timer();  // fast click
    void Timer7_Timer();  // squares and total
    // app/scoring/Countdown.cpp
    void Timer4_Timer();  // the countdown that opens a level
    // app/scoring/GameOverPause.cpp
    void Timer5_Timer();  // the pause after a lost game

    // ---- Procedures ----

    // app/Game.cpp: the tile pictures.
    // The picture file `name` of the pictures folder.
    Picture LoadTilePicture(const QString& name);
    // Reads every picture a level can need, so a missing file is reported at
    // start-up and not in the middle of a game.
    void CheckTilePictures();
    // Those files, in the order CheckTilePictures reads them.
    QStringList TilePictureFiles() const;
    // Where the window's pictures are read and kept, tiles and design alike.
    PictureFiles& pictures() { return pictures_; }

    // app/board/BuildLevel.cpp (what chance deals in board/Dealing.h)
    // Deals the level levelNumber: door, tiles, counters, the first move, and
    // the countdown that opens the board.
    void BuildLevel();

    // app/board/AllCells.cpp: every cell at once.
    void DisableAllCells();
    void EnableAllCells();
    void HideAllCells();
    void ShowAllCells();

    // app/board/PlaceCellLabels.cpp
    // Lays out the two number labels of cell cellIndex for the code in
    // currentCode.
    void PlaceCellLabels();

    // app/board/RotateCurrentTile.cpp
    // Turns the tile under the player a quarter turn and works out its move.
    void RotateCurrentTile();

    // app/rules/TurnHandling.cpp: what a click on a cell does, from any of its
    // three controls (decided in rules/CellClick.h).
    enum class ClickedOn { Picture, NumberLabel };
    void HandleCellClick(std::int16_t index, ClickedOn clicked);
    void MakeMove(std::int16_t index);

    // app/rules/ResolveMoves.cpp (its core in rules/MoveTarget.h)
    // Where the tile under the player leads: target, its frame, the move's
    // value, the used mark and the move message.
    void ResolveMoves();

    // app/rules/CountSquares.cpp (its core in rules/SquarePoints.h)
    // The points of all squares of used cells, into squaresScore.
    void CountSquares();

    // app/scoring/ScoreCounters.cpp (the arithmetic in scoring/Counters.h, the
    // figures in scoring/Rulebook.h)
    // The total of the counters, as the captions and the record hold them.
    std::int32_t TotalScore() const;
    void ShowTotalScore();
    // The counters of a new level.
    void ResetLevelCounters();
    // One step of the time bonus, the fast-click bonus and the squares display.
    void StepTimeBonus();
    void StepFastClick();
    void StepSquares();

    // app/scoring/CounterTicks.cpp
    // The two clocks of a level's bonuses, the time bonus's and the fast
    // click's, switched together: that one first, then this.
    void StopBonusClocks();
    void StartBonusClocks();

    // app/scoring/LevelEnd.cpp
    void RunLevelWonSequence();
    void RunLosingSequence();
    void ShowFinalLoss();
    // The final total on the result panel's second line, in `colour`.
    void ShowFinalTotal(Colour colour);

    // app/hiscores/HiScorePanel.cpp (its queries in storage/HiScoreQuery.h)
    void ShowHiScores();
    void CheckHiScore();

    // ---- State beside the record ----

    // The database connection, the current record set, the file they use and
    // the last statement sent.
    Connection cn;
    RecordSet rs;
    QString accedi_database;
    QString sqlText;

    // What the last pause stopped, the countdown or play: the screen its
    // resume goes back to.
    Screen pausedFrom = Screen::Playing;

    Form1Controls& ui;
    RandomSource& random;
    MessageBoxes& boxes;

    // What decides each game, kept for the hi-score list.
    GameRecorder recorder;
    // The row the player saved last, where the list's highlight starts.
    std::optional<recordings::RowValues> savedRow;
    // Set while a recorded game is watched again: it ends as it ended, with
    // no hi-score check and no name, and then onWatchedGameOver is told.
    bool watching = false;
    std::function<void()> onWatchedGameOver;

private:
    QString TilePictureFile(const QString& name) const;

    GameFiles files_;
    PreparedDatabaseKey* preparedKey_;
    PictureFiles pictures_;
};
