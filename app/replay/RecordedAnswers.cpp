#include "app/replay/RecordedAnswers.h"

#include "app/replay/GameRecorder.h"

MessageBoxes::Answer RecordedAnswers::show(const QString& prompt, Buttons buttons, const QString& title, Icon icon)
{
    if (playedBack && buttons == Buttons::YesNo) {
        return playedBack();
    }
    const Answer answer = shown_.show(prompt, buttons, title, icon);
    // Only a question answered Yes or No changes the course of a game (the
    // quit's); the others report a file that failed.
    if (buttons == Buttons::YesNo && recorder) {
        recorder->note(answer == Answer::Yes ? replay::Input::AnswerYes : replay::Input::AnswerNo);
    }
    return answer;
}
