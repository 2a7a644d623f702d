// What recording costs a player, and what proving the list costs: one input
// noted, a game's recording written and read, and one game played again as
// --verify plays each row (its own unshown window, started and played
// through). A thousand games take a thousand times the last.
#include "app/replay/Playback.h"
#include "bench/BenchWindow.h"
#include "replay/RecordingFile.h"
#include "rules/MoveTarget.h"
#include "support/Player.h"

namespace {

// A game of a minute: the countdown, then turns and moves a few hundred
// milliseconds apart, then the quit.
replay::Recording recordedGame;

void playAMinute(StartedWindow& started)
{
    started.form->show();
    Player p(started);
    p.click("new game");
    p.wait(4000);
    for (int input = 0; input < 150 && p.screen() == Screen::Playing; ++input) {
        p.wait(350);
        if (input % 3 == 2 && p.target() >= 0 && !moves::warningAbout(p.game().cellCodes, p.target())) {
            p.move();
        } else {
            p.turn();
        }
    }
    started.boxes.answerNext(MessageBoxes::Answer::Yes);
    p.click(p.ui().Label27);
    recordedGame = *p.game().recorder.lastGame();
}

void BM_NoteOneInput(benchmark::State& state)
{
    HandClock clock;
    GameRecorder recorder;
    recorder.attach(clock);
    recorder.started(42);
    for (auto _ : state) {
        recorder.note(replay::Input::PictureClick, 5);
    }
}
BENCHMARK(BM_NoteOneInput);

void BM_WriteAndReadTheGame(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(replay::decode(replay::encode(recordedGame)));
    }
    state.counters["steps"] = double(recordedGame.steps.size());
    state.counters["bytes"] = double(replay::encode(recordedGame).size());
}
BENCHMARK(BM_WriteAndReadTheGame)->Unit(benchmark::kMicrosecond);

void BM_VerifyOneGame(benchmark::State& state)
{
    for (auto _ : state) {
        Form1 form(GameFiles::besideProgram(benchWindow->folder.path()), *benchWindow->random, benchWindow->boxes,
                   nullptr, Ticks::ByHand);
        form.game().LoadToWatch();
        benchmark::DoNotOptimize(Playback::playThrough(form, recordedGame));
    }
}
BENCHMARK(BM_VerifyOneGame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv, playAMinute); }
