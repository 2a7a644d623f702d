// Click to screen: from a player's click on a cell to the end of the repaint
// it causes, in the real window (headless).
#include "support/Player.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

StartedWindow* window = nullptr;
constexpr int kFrom = 5 * 22 + 6;

// Paints what the click left to paint, as the event loop would next.
void paintPending()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void BM_ClickTurnsTile(benchmark::State& state)
{
    Player p(*window);
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
    Player p(*window);
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

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    StartedWindow started;
    if (started.failure) {
        qFatal("%s", qPrintable(*started.failure));
    }
    window = &started;
    started.form->show();
    Player(started).startNewGame();
    paintPending();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window = nullptr;  // the window it points at ends with main()
    return 0;
}
