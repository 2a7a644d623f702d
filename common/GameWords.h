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

}  // namespace words
