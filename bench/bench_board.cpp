// The board's procedures as they run in the game: dealing a level, working
// out a move, turning a tile, counting the squares.
#include "bench/BenchWindow.h"

namespace {

void dealLevel(Game& game, int level)
{
    game.levelNumber = std::int16_t(level);
    game.BuildLevel();
}

void BM_BuildLevel(benchmark::State& state)
{
    Game& game = benchWindow->game();
    for (auto _ : state) {
        dealLevel(game, int(state.range(0)));
    }
}
BENCHMARK(BM_BuildLevel)->Arg(1)->Arg(19)->Unit(benchmark::kMicrosecond);

void BM_ResolveMoves(benchmark::State& state)
{
    Game& game = benchWindow->game();
    dealLevel(game, 1);
    for (auto _ : state) {
        game.ResolveMoves();
    }
}
BENCHMARK(BM_ResolveMoves);

void BM_RotateCurrentTile(benchmark::State& state)
{
    Game& game = benchWindow->game();
    dealLevel(game, 1);
    for (auto _ : state) {
        game.RotateCurrentTile();
    }
}
BENCHMARK(BM_RotateCurrentTile);

// Boards with no, half and all cells used; the half board is a checker of
// 2 x 2 blocks, rich in small squares.
void BM_CountSquares(benchmark::State& state)
{
    Game& game = benchWindow->game();
    const int kind = int(state.range(0));
    for (int cell = 0; cell < board::kCells; ++cell) {
        const int row = board::rowOf(cell);
        const int column = board::columnOf(cell);
        const bool used = kind == 2 || (kind == 1 && (row / 2 + column / 2) % 2 == 0);
        game.cellCodes(cell, CellCodes::kUsedMark) = used ? 1 : 0;
    }
    for (auto _ : state) {
        game.CountSquares();
        benchmark::DoNotOptimize(game.squaresScore);
    }
    state.SetLabel(kind == 0 ? "empty" : kind == 1 ? "half used" : "fully used");
}
BENCHMARK(BM_CountSquares)->Arg(0)->Arg(1)->Arg(2);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
