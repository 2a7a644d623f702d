#include "app/MessageBoxes.h"

#include <QMessageBox>
#include <algorithm>
#include <iterator>

namespace {

// The buttons of each question, the first one the default.
struct QuestionButtons {
    MessageBoxes::Buttons buttons;
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton second;
};

constexpr QuestionButtons kQuestions[] = {
    {MessageBoxes::Buttons::YesNo, QMessageBox::Yes, QMessageBox::No},
    {MessageBoxes::Buttons::RetryCancel, QMessageBox::Retry, QMessageBox::Cancel},
};

}  // namespace

MessageBoxes::Answer DialogMessageBoxes::show(const QString& prompt, Buttons buttons, const QString& title, Icon icon)
{
    // Each button is made once: a screen reader is told of every button
    // made, and of one made and removed again it is told of a dead object.
    const auto question = std::find_if(std::begin(kQuestions), std::end(kQuestions),
                                       [buttons](const QuestionButtons& one) { return one.buttons == buttons; });
    const bool asks = question != std::end(kQuestions);
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, prompt,
                    asks ? question->first | question->second : QMessageBox::Ok, parent_);
    if (asks) {
        box.setDefaultButton(question->first);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}
