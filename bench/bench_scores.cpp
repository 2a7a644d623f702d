// The score and hi-score procedures, and start-up's walk along the random
// sequence, as they run in the game.
#include "bench/BenchWindow.h"
#include "storage/FixedSequenceRandom.h"
#include "storage/RandomSequenceCounter.h"

namespace {

void BM_ShowTotalScore(benchmark::State& state)
{
    Game& game = benchWindow->game();
    for (auto _ : state) {
        game.ShowTotalScore();
    }
}
BENCHMARK(BM_ShowTotalScore);

// A hi-score table of the given number of rows, best first by insertion
// order reversed so the engine really sorts.
void fillHiScores(int rows)
{
    Game& game = benchWindow->game();
    game.cn.execute(QStringLiteral("delete * from hiscores"));
    game.cn.execute(QStringLiteral("BEGIN"));
    for (int row = 0; row < rows; ++row) {
        game.cn.addRow(QStringLiteral("hiscores"), {QStringLiteral("player %1").arg(row), 1000 + row * 7 % 9973, 1});
    }
    game.cn.execute(QStringLiteral("COMMIT"));
}

void BM_ShowHiScores(benchmark::State& state)
{
    fillHiScores(int(state.range(0)));
    for (auto _ : state) {
        benchWindow->game().ShowHiScores();
    }
}
BENCHMARK(BM_ShowHiScores)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_CheckHiScore(benchmark::State& state)
{
    fillHiScores(int(state.range(0)));
    benchWindow->ui().Label17.setCaption(QStringLiteral("5000"));
    for (auto _ : state) {
        benchWindow->game().CheckHiScore();
    }
}
BENCHMARK(BM_CheckHiScore)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The most draws start-up ever makes: a stored counter of 27000.
void BM_AdvanceCounterFrom27000(benchmark::State& state)
{
    for (auto _ : state) {
        FixedSequenceRandom random;
        benchmark::DoNotOptimize(advanceCounter(27000, random));
    }
}
BENCHMARK(BM_AdvanceCounterFrom27000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
