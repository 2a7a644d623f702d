#pragma once

#include "app/controls/Colour.h"
#include "app/controls/Control.h"
#include "app/controls/Font.h"

#include <QString>

class QPushButton;

// A push button with a caption and a flat background colour.
class CommandButton : public Control {
public:
    void create(Control& container);

    QString caption() const;
    void setCaption(const QString& caption);
    void setFont(const Font& font);
    void setBackColor(Colour colour);

private:
    QPushButton* button_ = nullptr;
};
