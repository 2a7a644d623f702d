#include "app/replay/Playback.h"

#include "app/ControlTable.h"
#include "app/Form1.h"
#include "app/Screen.h"
#include "common/RandomSource.h"
#include "scoring/Captions.h"

#include <QEventLoop>
#include <utility>

GameResult resultShown(Form1& form)
{
    // The score column, from the top, as the table of controls lists it.
    GameResult result;
    for (const ControlRow& row : controlTable()) {
        if (row.speech == Speech::Counter) {
            result.counters << static_cast<const Label*>(row.control(form.controls(), form.game()))->caption();
        }
    }
    result.total = captions::toNumber(form.controls().Label17.caption());
    result.level = form.game().levelNumber;
    return result;
}

Playback::Playback(Form1& form, replay::Recording recording) : form_(form), recording_(std::move(recording)) {}

Playback::~Playback()
{
    HandClock& clock = form_.clock();
    clock.clearAlarm();
    form_.answers().playedBack = nullptr;
    form_.game().watching = false;
    if (generatorBefore_) {
        form_.game().random.moveTo(*generatorBefore_);
    }
}

bool Playback::start()
{
    Game& game = form_.game();
    generatorBefore_ = game.random.position();
    if (!generatorBefore_ || !game.random.moveTo(recording_.generatorState)) {
        generatorBefore_.reset();
        return false;
    }
    game.watching = true;
    form_.answers().playedBack = [this] { return awaitAnswer(); };
    if (RealTimeClock* realTime = form_.realTimeClock()) {
        realTime->catchUp();
    }
    startMs_ = form_.clock().now();
    form_.playBack(&Game::Label22_Click);
    setAlarm();
    return true;
}

void Playback::setAlarm()
{
    if (next_ < recording_.steps.size()) {
        form_.clock().setAlarm(startMs_ + recording_.steps[next_].atMs, [this] { ring(); });
    }
}

void Playback::ring()
{
    const replay::Step step = recording_.steps[next_++];
    // An answer's next step waits for the game to take the answer: what
    // came at the same moment came after the question was done with.
    if (step.input == replay::Input::AnswerYes || step.input == replay::Input::AnswerNo) {
        answer_ = step.input == replay::Input::AnswerYes ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No;
        return;
    }
    setAlarm();
    switch (step.input) {
    case replay::Input::End:
        over_ = true;
        endedWithTheRecording_ = screen(form_.controls()) == Screen::GameOverPause;
        if (onOver) {
            onOver();
        }
        break;
    default:
        if (!form_.playBack(step)) {
            // Nothing more of it is played: the game is not the recorded one.
            form_.clock().clearAlarm();
            over_ = true;
            if (onOver) {
                onOver();
            }
        }
        break;
    }
}

// The question waits, with the timers ticking, until the recorded answer's
// moment: by hand, the clock is moved there; in real time, the window goes
// on until the clock gets there.
MessageBoxes::Answer Playback::awaitAnswer()
{
    answer_.reset();
    while (!answer_ && next_ < recording_.steps.size()) {
        if (RealTimeClock* realTime = form_.realTimeClock()) {
            QEventLoop waiting;
            waiting.processEvents(QEventLoop::WaitForMoreEvents);
            realTime->catchUp();
        } else {
            form_.clock().advanceTo(startMs_ + recording_.steps[next_].atMs);
        }
    }
    setAlarm();
    return answer_.value_or(MessageBoxes::Answer::No);
}

std::optional<GameResult> Playback::playThrough(Form1& form, const replay::Recording& recording)
{
    Playback playback(form, recording);
    if (recording.steps.empty() || !playback.start()) {
        return std::nullopt;
    }
    form.clock().advanceTo(playback.startMs_ + recording.steps.back().atMs);
    if (!playback.over() || !playback.endedWithTheRecording()) {
        return std::nullopt;
    }
    return resultShown(form);
}
