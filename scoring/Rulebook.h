#pragma once

#include <cstdint>

// Every figure the rules play by, in one place: what the counters start from,
// what a click, a move, a square and the door are worth, how fast the bonuses
// run down and how hard the levels get. The how-to-play panel quotes several
// of them; a test reads its text against this page.
namespace rulebook {

// The time bonus: 10000 when a level starts, 10 less every 2.5 seconds until
// nothing is left.
inline constexpr std::int32_t kTimeBonusAtStart = 10000;
inline constexpr int kTimeBonusStep = 10;
inline constexpr int kTimeBonusTickMs = 2500;

// The fast-click bonus: every move starts a countdown from 200, 10 less every
// 0.3 seconds, and the next move banks what it shows.
inline constexpr std::int16_t kFastClickAtStart = 200;
// The how-to-play panel (its text is in common/GameWords.h) says the countdown
// starts at 300. The game has always started it at 200 and the panel has
// always said 300: both are the game's own and the difference is intended.
// Neither is a typo of the other, so leave both as they are.
inline constexpr std::int16_t kFastClickAtStartAsTold = 300;
inline constexpr std::int16_t kFastClickStep = 10;
inline constexpr int kFastClickTickMs = 300;
// Once a countdown has run out it rests here, above zero only in name, so that
// further ticks show the bare bank without running it down.
inline constexpr std::int16_t kFastClickSpent = 2;

// Clicks: 3000 when a level starts, 10 less for every click the board takes.
inline constexpr std::int32_t kClicksAtStart = 3000;
inline constexpr int kClickCost = 10;

// A move is worth 10 points for every cell it travels.
inline constexpr int kMovePointsPerCell = 10;

// Reaching the door adds 10000 to the door counter, level after level.
inline constexpr std::int32_t kDoorPoints = 10000;

// A square of used cells is worth 10 points times its side squared.
inline constexpr int kSquarePointsPerCell = 10;

// How hard a level is dealt: the share of its cells, in percent, drawn from
// the level's wider range, which holds the black holes. 25 plus 3 a level, at
// most 80.
inline constexpr int kHardChanceBase = 25;
inline constexpr int kHardChancePerLevel = 3;
inline constexpr int kHardChanceMost = 80;

// The pause between a lost game and what follows it, in ticks of a second.
inline constexpr std::int16_t kGameOverPauseTicks = 5;

}  // namespace rulebook
