#pragma once

#include <QString>

class QWidget;

// Every modal message box of the game goes through this one seam, so tests
// can answer the questions and read what was asked.
class MessageBoxes {
public:
    // Retry and Cancel: try the failed step again, or give it up.
    enum class Buttons { Ok, YesNo, RetryCancel };
    enum class Answer { Ok, Yes, No, Retry, Cancel };
    enum class Icon { None, Critical };

    virtual ~MessageBoxes() = default;
    virtual Answer show(const QString& prompt, Buttons buttons, const QString& title, Icon icon = Icon::None) = 0;
};

// The real boxes: modal over the window, with Yes (or Retry) as the default
// button. While one waits for an answer the window's timers keep ticking.
class DialogMessageBoxes : public MessageBoxes {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer show(const QString& prompt, Buttons buttons, const QString& title, Icon icon) override;

private:
    QWidget* parent_ = nullptr;
};
