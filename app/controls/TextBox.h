#pragma once

#include "app/controls/Colour.h"
#include "app/controls/Control.h"
#include "app/controls/Font.h"
#include "app/controls/ScaledWidgetFont.h"

#include <QString>

class QLineEdit;

// The one-line entry box for the player's name: a real widget, which the
// window places where the box lies at its present scale.
class TextBox : public Control {
public:
    void create(Control& container);

    QString text() const;
    void setText(const QString& text);
    int maxLength() const;
    void setMaxLength(int characters);
    void setFont(const Font& font);
    void setColours(Colour fore, Colour back);
    // Takes the keyboard, so the player can type at once.
    void setFocus();

    QWidget* nativeWidget() const override;
    void scaleTo(double scale) override;

private:
    QLineEdit* edit_ = nullptr;
    ScaledWidgetFont font_;
};
