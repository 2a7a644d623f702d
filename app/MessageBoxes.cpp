#include "app/MessageBoxes.h"

#include <QMessageBox>

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
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, prompt,
                    QMessageBox::NoButton, parent_);
    box.setStandardButtons(QMessageBox::Ok);
    for (const QuestionButtons& question : kQuestions) {
        if (question.buttons == buttons) {
            box.setStandardButtons(question.first | question.second);
            box.setDefaultButton(question.first);
        }
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
