// Click to screen: from a player's click on a cell to the end of the repaint
// it causes, in the real window (headless), drawn at the design's size and at
// twice it (the argument is the scale in tenths).
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

// The window drawn at the benchmark's scale, and everything on it painted.
void drawAtScale(const benchmark::State& state)
{
    Form1& form = *benchWindow->form;
    form.resize(form.controls().Form1.designSize() * (double(state.range(0)) / 10));
    paintPending();
}

void BM_ClickTurnsTile(benchmark::State& state)
{
    drawAtScale(state);
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
BENCHMARK(BM_ClickTurnsTile)->Unit(benchmark::kMicrosecond)->ArgName("scale_x10")->Arg(10)->Arg(20);

void BM_ClickMakesMove(benchmark::State& state)
{
    drawAtScale(state);
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
BENCHMARK(BM_ClickMakesMove)->Unit(benchmark::kMicrosecond)->ArgName("scale_x10")->Arg(10)->Arg(20);

// The board open for play, as after the countdown.
void startPlaying(StartedWindow& started)
{
    started.form->show();
    Player(started).startNewGame();
    paintPending();
}

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv, startPlaying); }
