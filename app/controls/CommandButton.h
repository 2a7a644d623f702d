#pragma once

#include "app/controls/Colour.h"
#include "app/controls/Control.h"
#include "app/controls/Font.h"
#include "app/controls/ScaledWidgetFont.h"

#include <QString>

class QPushButton;

// A push button with a caption and a flat background colour: a real widget,
// which the window places where the button lies at its present scale.
class CommandButton : public Control {
public:
    void create(Control& container);

    QString caption() const;
    void setCaption(const QString& caption);
    void setFont(const Font& font);
    void setBackColor(Colour colour);

    QWidget* nativeWidget() const override;
    void scaleTo(double scale) override;

private:
    QPushButton* button_ = nullptr;
    ScaledWidgetFont font_;
};
