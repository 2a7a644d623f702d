#pragma once

#include <Qt>
#include <functional>
#include <optional>

struct Form1Controls;
class Game;

// The highlight over the rows of the hi-score list, which Up and Down move and
// Return chooses, to watch that row's game. As on the menu it is drawn only
// from the first key pressed while the list is in view; until then it stands
// on the row just saved, or else on the first row.
class ListHighlight {
public:
    ListHighlight(Form1Controls& ui, Game& game) : ui_(ui), game_(game) {}

    // Told whenever a control shows or hides: the list coming into view puts
    // the highlight back where it starts.
    void viewChanged();
    // Acts on a key while the list is in view; false for a key it has no use
    // for, or when the list is not in view.
    bool keyPressed(Qt::Key key);
    // The row to frame; none until a key was pressed on the list.
    std::optional<int> highlighted() const;
    // Watches the game of `row`, counted from the list's top, where the list
    // is in view and has that row: a click on a name, or Return.
    void choose(int row);

    std::function<void(int row)> onChosen;

private:
    int rows() const;

    Form1Controls& ui_;
    Game& game_;
    int row_ = 0;
    bool drawn_ = false;
    bool inView_ = false;
};
