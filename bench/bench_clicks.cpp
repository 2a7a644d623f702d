// Click to screen: from a player's click on a cell to the end of the repaint
// it causes, in the real window (headless).
#include "bench/BenchWindow.h"
#include "support/Player.h"

namespace {

constexpr int kFrom = 5 * 22 + 6;

// Paints what the click left to paint, as the event loop would next.
void paintPending()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void BM_ClickTurnsTile(benchmark::State& state)
{
    Player p(*benchWindow);
    p.game().playerCell = kFrom;
    p.plant(kFrom, "2", 2, 3);
    p.replan();
    paintPending();
    for (auto _ : state) {
        p.clickCell(kFrom);
        paintPending();
    }
}
BENCHMARK(BM_ClickTurnsTile)->Unit(benchmark::kMicrosecond);

void BM_ClickMakesMove(benchmark::State& state)
{
    Player p(*benchWindow);
    for (auto _ : state) {
        state.PauseTiming();
        // The same move every time: one step right onto a fresh cell.
        p.game().playerCell = kFrom;
        p.game().trailCount = 1;
        p.plant(kFrom, "1c", 1);
        p.plant(kFrom + 1, "1c", 1);
        p.replan();
        paintPending();
        state.ResumeTiming();
        p.clickCell(kFrom + 1);
        paintPending();
    }
}
BENCHMARK(BM_ClickMakesMove)->Unit(benchmark::kMicrosecond);

// The board open for play, as after the countdown.
void startPlaying(StartedWindow& started)
{
    started.form->show();
    Player(started).startNewGame();
    paintPending();
}

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv, startPlaying); }
