#pragma once

#include "app/Form1Controls.h"
#include "app/Game.h"

#include <QWidget>

class MessageBoxes;
class RandomSource;

// The game's one window: fixed size, black, titled QUORBIT. It builds every
// control from its layout tables and hands each click and tick to the game.
class Form1 : public QWidget {
public:
    Form1(const GameFiles& files, RandomSource& random, MessageBoxes& boxes,
          PreparedDatabaseKey* preparedKey = nullptr);

    Form1Controls& controls() { return ui_; }
    const Form1Controls& controls() const { return ui_; }
    Game& game() { return game_; }

    // Where a control lies, in this window's own pixels.
    QRect windowRectOf(const Control& control) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void connectHandlers();

    Form1Controls ui_;
    Game game_;
};
