#pragma once

#include "app/MessageBoxes.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>

// Answers the game's message boxes from a script and records every prompt.
// A box nobody scripted an answer for is a test failure.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    void answerNext(Answer answer) { answers_.push_back(answer); }

    Answer show(const QString& prompt, Buttons buttons, const QString& title, Icon) override
    {
        prompts.append(prompt);
        titles.append(title);
        if (whileWaiting) {
            whileWaiting();
        }
        if (buttons == Buttons::Ok) {
            return Answer::Ok;
        }
        if (answers_.empty()) {
            throw std::logic_error("unexpected question: " + prompt.toStdString());
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    QStringList prompts;
    QStringList titles;
    // What the window does while a box waits for the player: its timers
    // keep ticking. Runs once for every box, before the box is answered.
    std::function<void()> whileWaiting;

private:
    std::deque<Answer> answers_;
};
