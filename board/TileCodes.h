#pragma once

#include "board/CellValue.h"

#include <array>
#include <optional>

// The arrow tiles: where each code sends the player, where its two numbers
// sit on the cell, and what a quarter turn makes of it.
//
// A tile moves the first number of cells along its first leg, then the second
// number along its second leg. Family 1 has one leg and its number in the
// middle; family 2 bends left, family 3 bends right. The letters a, b, c each
// turn the tile a further quarter counter-clockwise. A click steps families 1
// and 2 forward through the letters (a quarter turn counter-clockwise) and
// family 3 backward (a quarter turn clockwise).
namespace tiles {

enum class Leg { None, Up, Left, Down, Right };

// A number label's place inside the 495-twip cell, in twips.
struct LabelSpot {
    int top;
    int left;
};

struct ArrowTile {
    const char* code;
    Leg firstLeg;
    Leg secondLeg;
    LabelSpot firstNumber;
    std::optional<LabelSpot> secondNumber;  // none: family 1 hides the second label
    const char* afterQuarterTurn;
};

inline constexpr LabelSpot kMiddle{160, 180};

// clang-format off
inline constexpr std::array<ArrowTile, 12> kArrowTiles{{
    //  code  first leg   second leg   first number  second number  turns into
    {"1",  Leg::Up,    Leg::None,  kMiddle,      std::nullopt,  "1a"},
    {"1a", Leg::Left,  Leg::None,  kMiddle,      std::nullopt,  "1b"},
    {"1b", Leg::Down,  Leg::None,  kMiddle,      std::nullopt,  "1c"},
    {"1c", Leg::Right, Leg::None,  kMiddle,      std::nullopt,  "1"},
    {"2",  Leg::Right, Leg::Up,    {140, 30},    LabelSpot{40, 220},   "2a"},
    {"2a", Leg::Up,    Leg::Left,  {240, 180},   LabelSpot{180, 0},    "2b"},
    {"2b", Leg::Left,  Leg::Down,  {140, 300},   LabelSpot{240, 180},  "2c"},
    {"2c", Leg::Down,  Leg::Right, {0, 140},     LabelSpot{140, 300},  "2"},
    {"3",  Leg::Down,  Leg::Left,  {40, 220},    LabelSpot{140, 30},   "3c"},
    {"3a", Leg::Right, Leg::Down,  {140, 0},     LabelSpot{240, 180},  "3"},
    {"3b", Leg::Up,    Leg::Right, {240, 160},   LabelSpot{140, 320},  "3a"},
    {"3c", Leg::Left,  Leg::Up,    {140, 300},   LabelSpot{0, 160},    "3b"},
}};
// clang-format on

inline constexpr const char* kBlackHole = "4bh";
inline constexpr const char* kDoor = "door";
// The picture of a cell the player has left: a used green box.
inline constexpr const char* kUsedBox = "ok";

// The arrow tile a code names, or nothing for the door, a black hole or any
// other value. A code dealt as a bare number matches its digit.
const ArrowTile* findArrowTile(const CellValue& code);

// What a quarter turn makes of `code`: none for the door and black holes,
// which do not turn; any other code that is no arrow stays as it is.
std::optional<CellValue> afterQuarterTurn(const CellValue& code);

}  // namespace tiles
