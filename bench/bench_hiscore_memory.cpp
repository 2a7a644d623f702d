// Memory the hi-score check and the list take on a list of 10 and of 1,000,000
// rows, in the real window: the peak while one runs (above what the program
// held before) and what it still holds after. Peaks are process-wide, so the
// kernel's mark is reset before each run (/proc/self/clear_refs).
#include "bench/BenchWindow.h"

#include <QFile>
#include <fstream>
#include <string>

namespace {

// VmHWM (the peak) or VmRSS (now) of this process, in kB.
long statusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(std::string(field).size() + 1));
        }
    }
    return -1;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Scores spread over a range with ties, a few odd ones among them (text, a
// real, nothing), written in one statement.
void fillHiScores(long rows)
{
    Connection& cn = benchWindow->game().cn;
    cn.execute(QStringLiteral("delete * from hiscores"));
    cn.execute(QStringLiteral(R"(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)
        INSERT INTO hiscores SELECT 'player ' || i,
            CASE i % 1000 WHEN 7 THEN 'odd' WHEN 8 THEN 2.5 WHEN 9 THEN NULL ELSE (i * 7919) % 99991 END, 1 FROM n)")
                   .arg(rows));
}

void measure(benchmark::State& state, void (*run)(Game&))
{
    fillHiScores(state.range(0));
    benchWindow->ui().Label17.setCaption(QStringLiteral("5000"));
    long peak = 0;
    long held = 0;
    for (auto _ : state) {
        benchWindow->game().rs = RecordSet();
        const long before = statusKb("VmRSS:");
        resetPeak();
        run(benchWindow->game());
        peak = std::max(peak, statusKb("VmHWM:") - before);
        held = std::max(held, statusKb("VmRSS:") - before);
    }
    state.counters["peak_MB"] = double(peak) / 1024;
    state.counters["held_MB"] = double(held) / 1024;
}

void BM_CheckHiScoreMemory(benchmark::State& state)
{
    measure(state, [](Game& game) { game.CheckHiScore(); });
}
BENCHMARK(BM_CheckHiScoreMemory)->Arg(10)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ShowHiScoresMemory(benchmark::State& state)
{
    measure(state, [](Game& game) { game.ShowHiScores(); });
}
BENCHMARK(BM_ShowHiScoresMemory)->Arg(10)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
