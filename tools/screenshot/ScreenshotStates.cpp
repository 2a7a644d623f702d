#include "tools/screenshot/ScreenshotStates.h"

#include "app/Form1.h"
#include "board/TileCodes.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

void menu(Form1&) {}

// A key as the player presses it, through the window's own key handling.
void press(Form1& form, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &event);
}

void menuHighlighted(Form1& form)
{
    press(form, Qt::Key_Down);
    press(form, Qt::Key_Down);
}

// How to play opened from the highlight and closed again: the highlight is
// back on "new game".
void menuAfterAPanel(Form1& form)
{
    menuHighlighted(form);
    press(form, Qt::Key_Return);
    press(form, Qt::Key_Escape);
}

// "new game" as the player clicks it, before the countdown has run.
void levelOneDealt(Form1& form)
{
    form.game().Label22_Click();
    form.game().StepSquares();
}

void countdown(Form1& form)
{
    levelOneDealt(form);
    form.game().Timer4_Timer();
}

void started(Form1& form)
{
    levelOneDealt(form);
    for (int tick = 0; tick < 4; ++tick) {
        form.game().Timer4_Timer();
    }
}

// Clicks a cell the way the player does, so a disabled board ignores it.
void clickCell(Form1& form, int cell) { form.controls().Picture1[cell].deliverClick(); }

// A target that neither ends the game nor the level.
bool freshTarget(Game& game)
{
    const int target = game.targetCell;
    const CellValue& code = game.cellCodes(target < 0 ? 0 : target, CellCodes::kTileCode);
    return target >= 0 && target != game.playerCell && !game.cellCodes.isUsed(target) && !(code == tiles::kBlackHole) &&
           !(code == tiles::kDoor);
}

// Plays up to `moves` moves the careful way: turns the tile until it offers
// a fresh cell, then takes it. Stops where no turn offers one.
void playCarefully(Form1& form, int moves)
{
    Game& game = form.game();
    for (int move = 0; move < moves; ++move) {
        for (int turn = 0; turn < 4 && !freshTarget(game); ++turn) {
            clickCell(form, game.playerCell);
        }
        if (!freshTarget(game)) {
            return;
        }
        clickCell(form, game.targetCell);
    }
}

void playing(Form1& form)
{
    started(form);
    playCarefully(form, 12);
    for (int tick = 0; tick < 7; ++tick) {
        form.game().Timer3_Timer();
    }
    form.game().Timer7_Timer();
    form.game().Timer1_Timer();
    form.game().Timer1_Timer();
}

// Sets the tile under the player to step onto `code` planted next to it.
void plantNextMove(Form1& form, const char* code)
{
    Game& game = form.game();
    const int from = game.playerCell;
    const bool right = board::columnOf(from) < board::kColumns - 1;
    const int next = right ? from + 1 : from + board::kColumns;
    game.cellCodes(from, CellCodes::kTileCode) = right ? "1c" : "1b";
    game.cellCodes(from, CellCodes::kFirstNumber) = "1";
    game.cellCodes(next, CellCodes::kTileCode) = code;
    game.cellCodes(next, CellCodes::kUsedMark) = 0;
    game.ResolveMoves();
}

void won(Form1& form)
{
    playing(form);
    plantNextMove(form, tiles::kDoor);
    clickCell(form, form.game().targetCell);
    form.game().Timer7_Timer();
}

void lost(Form1& form)
{
    playing(form);
    plantNextMove(form, tiles::kBlackHole);
    clickCell(form, form.game().targetCell);
}

void addRows(Form1& form)
{
    const struct {
        const char* name;
        int score, level;
    } rows[] = {{"Ada", 61230, 4}, {"Grace", 48710, 3},   {"Linus", 31020, 2}, {"Margaret", 24990, 2},
                {"Ken", 15480, 1}, {"Barbara", 14020, 1}, {"Edsger", 12960, 1}};
    for (const auto& row : rows) {
        form.game().cn.addRow(QStringLiteral("hiscores"), {QString::fromUtf8(row.name), row.score, row.level});
    }
}

void gameOver(Form1& form)
{
    for (int n = 0; n < 10; ++n) {
        form.game().cn.addRow(QStringLiteral("hiscores"), {QStringLiteral("champion"), 99000 - n, 9});
    }
    lost(form);
}

void nameEntry(Form1& form)
{
    lost(form);
    for (int tick = 0; tick < 5; ++tick) {
        form.game().Timer5_Timer();
    }
    form.controls().Text1.setText(QStringLiteral("Ada"));
}

void hiScores(Form1& form)
{
    addRows(form);
    form.game().Label23_Click();
}

const ScreenshotState kStates[] = {
    {"menu", "the window right after start-up: banner and menu", menu},
    {"menu-keys", "the menu after Down twice: the keyboard's highlight on \"how to play\"", menuHighlighted},
    {"menu-keys-back", "how to play opened with the keys and closed by Escape: the highlight on \"new game\"",
     menuAfterAPanel},
    {"level1", "level 1 dealt: the board, the counters and the countdown's \"3\"", levelOneDealt},
    {"countdown", "one second into the countdown: \"2\"", countdown},
    {"playing", "a dozen careful moves into level 1: green boxes, the trail, the target frame", playing},
    {"won", "the door reached: YOU WON and NEXT LEVEL", won},
    {"new-hiscore", "a black hole entered with an empty list: NEW HI-SCORE", lost},
    {"gameover", "a black hole entered below the ten best: GAME OVER", gameOver},
    {"name-entry", "five seconds after a new hi-score: the name entry", nameEntry},
    {"hiscores", "the hi-score panel with a few rows", hiScores},
    {"howtoplay", "the how-to-play panel", [](Form1& form) { form.game().Label24_Click(); }},
    {"credits", "the credits panel", [](Form1& form) { form.game().Label25_Click(); }},
};

}  // namespace

std::span<const ScreenshotState> screenshotStates() { return kStates; }
