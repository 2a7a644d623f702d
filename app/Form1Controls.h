#pragma once

#include "app/controls/CommandButton.h"
#include "app/controls/Label.h"
#include "app/controls/PictureBox.h"
#include "app/controls/Shape.h"
#include "app/controls/TextBox.h"
#include "app/controls/Timer.h"
#include "app/controls/Window.h"
#include "board/Board.h"

#include <array>

// Every control of the window, by its design name. The window creates them
// all once, from its layout tables; the game only shows, hides, moves,
// enables and re-captions them.
struct Form1Controls {
    // A level can take up to 307 moves, one into every cell but the start, and
    // each move keeps a frame on its cell; one more frames the pending target.
    static constexpr int kTrailFrames = board::kCells + 1;
    // The how-to-play panel's sample tile holds two more number labels.
    static constexpr int kNumberLabels2 = board::kCells + 2;

    Window Form1;

    // Banner, and the timers it holds.
    PictureBox Picture2;
    Timer Timer1, Timer2, Timer3, Timer4, Timer5, Timer7;
    // The six, by their numbers (there is no Timer6).
    std::array<Timer*, 6> timers() { return {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer7}; }

    // Score column.
    Label Label20, Label21;  // prev level
    Label Label6, Label7;    // time bonus
    Label Label9, Label8;    // fast click
    Label Label10, Label11;  // clicks
    Label Label12, Label13;  // points
    Label Label18, Labeldoor;
    Label Label28, Label29;  // squares
    Label Label14;           // the line above the total
    Label Label15, Label16;  // total

    // Markers and messages on the window.
    Label Label3;   // "START =="
    Label Label19;  // level
    Label Label27;  // the in-game quit "X"
    Label Label4;   // move message
    Shape Shape1;   // door frame
    std::array<Shape, kTrailFrames> Shape2;

    // The board.
    std::array<PictureBox, board::kCells> Picture1;
    std::array<Label, board::kCells> Label1;
    std::array<Label, kNumberLabels2> Label2;

    // Menu panel.
    PictureBox Picture4;
    Label Label22, Label23, Label24, Label25, Label26;

    // Result panel.
    PictureBox Picture3;
    Label Label5, Label17;
    CommandButton Command2;

    // The cover of a paused level, over the board and the score column.
    PictureBox PauseCover;
    Label PauseTitle, PauseHint;

    // Hi-score panel, with the name entry panel over its list.
    PictureBox Picture5;
    Label Label30, Label48, Label31, Label32, Label33, Label34, Label35;
    PictureBox Picture6;
    Label Label36, Label37;
    TextBox Text1;

    // Credits panel.
    PictureBox Picture7;
    Label Label39, Label40, Label38;

    // How-to-play panel.
    PictureBox Picture8;
    PictureBox Picture9, Picture10, Picture11, Picture12;
    Label Label41, Label42, Label43, Label44, Label46, Label47, Label45;
};
