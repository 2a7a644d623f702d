#pragma once

#include "replay/Recording.h"

#include <cstdint>
#include <optional>

class Control;
class Game;
struct Form1Controls;

// The game's handlers a recording keeps, each with the input it is stored as:
// one table, read both ways, by the recorder and by the playback.
using GameAction = void (Game::*)();
using CellAction = void (Game::*)(std::int16_t);

std::optional<replay::Input> recordedAs(GameAction action);
std::optional<replay::Input> recordedAs(CellAction action);

// The handler that `input` stands for; null for the inputs that are no
// handler of their own (the answers and the end).
GameAction gameActionOf(replay::Input input);
CellAction cellActionOf(replay::Input input);

// The control of cell `cell` a click of `input` lands on.
Control& cellControlOf(Form1Controls& ui, replay::Input input, std::int16_t cell);
