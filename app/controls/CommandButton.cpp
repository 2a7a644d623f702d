#include "app/controls/CommandButton.h"

#include "app/controls/Window.h"

#include <QPushButton>

void CommandButton::create(Control& container)
{
    // cppcheck-suppress publicAllocationError ; the window's widget owns the button, and create() runs once
    button_ = new QPushButton;
    button_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button_, &QPushButton::clicked, [this] { deliverClick(); });
    attach(container);
    window()->adoptWidget(*this);
}

QWidget* CommandButton::nativeWidget() const { return button_; }

QString CommandButton::caption() const { return button_->text(); }

void CommandButton::setCaption(const QString& caption) { button_->setText(caption); }

void CommandButton::setFont(const Font& font) { font_.set(*button_, font); }

void CommandButton::scaleTo(double scale) { font_.scaleTo(*button_, scale); }

void CommandButton::setBackColor(Colour colour)
{
    // A style sheet is the one way to colour a push button the same on every
    // platform style, as the graphical button of the design is.
    const QColor back = toQColor(colour);
    button_->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; border: 2px outset %2; }"
                                          "QPushButton:pressed { border-style: inset; }")
                               .arg(back.name(), back.lighter(130).name()));
}
