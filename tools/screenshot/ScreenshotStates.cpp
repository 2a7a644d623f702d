#include "tools/screenshot/ScreenshotStates.h"

#include "support/Player.h"

namespace {

using enum Screen;

void menu(Player&) {}

void menuHighlighted(Player& p)
{
    p.press(Qt::Key_Down);
    p.press(Qt::Key_Down);
}

// How to play opened from the highlight and closed again: the highlight is
// back on "new game".
void menuAfterAPanel(Player& p)
{
    menuHighlighted(p);
    p.press(Qt::Key_Return);
    p.press(Qt::Key_Escape);
}

// "new game" as the player clicks it, before the countdown has run.
void levelOneDealt(Player& p)
{
    p.click("new game");
    p.tickSquares();
}

void countdown(Player& p)
{
    levelOneDealt(p);
    p.runCountdown(1);
}

void playing(Player& p)
{
    levelOneDealt(p);
    p.runCountdown();
    p.playCarefully(12);
    for (int tick = 0; tick < 7; ++tick) {
        p.game().Timer3_Timer();
    }
    p.tickSquares();
    p.game().Timer1_Timer();
    p.game().Timer1_Timer();
}

void paused(Player& p)
{
    playing(p);
    p.press(Qt::Key_P);
}

void pausedCountdown(Player& p)
{
    countdown(p);
    p.press(Qt::Key_Pause);
}

void won(Player& p)
{
    playing(p);
    p.winLevel();
    p.tickSquares();
}

void lost(Player& p)
{
    playing(p);
    p.loseGame();
}

void addRows(Player& p)
{
    const struct {
        const char* name;
        int score, level;
    } rows[] = {{"Ada", 61230, 4},  {"Grace", 48710, 3},   {"Linus", 31020, 2}, {"Margaret", 24990, 2},
                {"山田", 15480, 1}, {"Barbara", 14020, 1}, {"Edsger", 12960, 1}};
    for (const auto& row : rows) {
        p.game().cn.addRow(QStringLiteral("hiscores"), {QString::fromUtf8(row.name), row.score, row.level});
    }
}

void gameOver(Player& p)
{
    for (int n = 0; n < 10; ++n) {
        p.game().cn.addRow(QStringLiteral("hiscores"), {QStringLiteral("champion"), 99000 - n, 9});
    }
    lost(p);
}

void nameEntry(Player& p)
{
    lost(p);
    p.waitOutTheGameOverPause();
    p.type(QStringLiteral("Ada"));
}

void hiScores(Player& p)
{
    addRows(p);
    p.click("hi-scores");
}

void hiScoresHighlighted(Player& p)
{
    hiScores(p);
    for (int press = 0; press < 3; ++press) {
        p.press(Qt::Key_Down);
    }
}

const ScreenshotState kStates[] = {
    {"menu", "the window right after start-up: banner and menu", Menu, menu},
    {"menu-keys", "the menu after Down twice: the keyboard's highlight on \"how to play\"", Menu, menuHighlighted},
    {"menu-keys-back", "how to play opened with the keys and closed by Escape: the highlight on \"new game\"", Menu,
     menuAfterAPanel},
    {"level1", "level 1 dealt: the board, the counters and the countdown's \"3\"", Countdown, levelOneDealt},
    {"countdown", "one second into the countdown: \"2\"", Countdown, countdown},
    {"playing", "a dozen careful moves into level 1: green boxes, the trail, the target frame", Playing, playing},
    {"paused", "play paused with P: the cover over the board and the counters, the X above it", Paused, paused},
    {"paused-countdown", "level 1's countdown paused: the X not shown yet", Paused, pausedCountdown},
    {"won", "the door reached: YOU WON and NEXT LEVEL", LevelWon, won},
    {"new-hiscore", "a black hole entered with an empty list: NEW HI-SCORE", GameOverPause, lost},
    {"gameover", "a black hole entered below the ten best: GAME OVER", GameOverPause, gameOver},
    {"name-entry", "five seconds after a new hi-score: the name entry", NameEntry, nameEntry},
    {"hiscores", "the hi-score panel with a few rows", HiScores, hiScores},
    {"hiscores-keys", "the hi-score panel after Down three times: the highlight on the third row", HiScores,
     hiScoresHighlighted},
    {"howtoplay", "the how-to-play panel", HowToPlay, [](Player& p) { p.click("how to play"); }},
    {"credits", "the credits panel", Credits, [](Player& p) { p.click("credits"); }},
};

}  // namespace

std::span<const ScreenshotState> screenshotStates() { return kStates; }
