#pragma once

#include <QString>

// The game's own words that one place writes and another reads back, or that
// stand in several places: one copy each, so a typo cannot part the writer
// from the reader.
namespace words {

// The window's caption and the title of every message box.
inline const QString kTitle = QStringLiteral("QUORBIT");

// The result line: the pause after a lost game reads it to choose between the
// menu and the name entry.
inline const QString kGameOver = QStringLiteral("GAME OVER");
inline const QString kNewHiScore = QStringLiteral("NEW HI-SCORE");
inline const QString kYouWon = QStringLiteral("YOU WON");
// The countdown's last word, after which the board opens.
inline const QString kStart = QStringLiteral("START");

// How the points are made, as the how-to-play panel has always put it,
// spelling and spacing included. It quotes the figures of scoring/Rulebook.h,
// and a test holds the two together. Its fast-click start, 300, is not the
// 200 the game plays by: the difference is intended (see the rulebook), so
// neither is to be "fixed" to the other.
inline constexpr char kHowToPlayPoints[] =
    "TIME BONUS - LEVEL START=10000 POINTS. -10 POINTS EVERY 2,5 SECONDS            "
    "FAST CLICK - click start= 300 points. -10 points every 3 tenths of a second       "
    "clicks - level start 3000 points. -10 points every click                          "
    "points - the sum of shifts multiplied for ten                                  "
    "door -10000 points for each level exceeded                                  "
    "squares - base to height for ten points for each square created with then green            boxes";

}  // namespace words
