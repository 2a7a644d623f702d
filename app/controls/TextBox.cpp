#include "app/controls/TextBox.h"

#include "app/controls/Window.h"

#include <QLineEdit>

void TextBox::create(Control& container)
{
    // cppcheck-suppress publicAllocationError ; the window's widget owns the box, and create() runs once
    edit_ = new QLineEdit;
    attach(container);
    window()->adoptWidget(*this);
}

QWidget* TextBox::nativeWidget() const { return edit_; }

QString TextBox::text() const { return edit_->text(); }

void TextBox::setText(const QString& text) { edit_->setText(text); }

int TextBox::maxLength() const { return edit_->maxLength(); }

void TextBox::setMaxLength(int characters) { edit_->setMaxLength(characters); }

void TextBox::setFont(const Font& font) { font_.set(*edit_, font); }

void TextBox::scaleTo(double scale) { font_.scaleTo(*edit_, scale); }

void TextBox::setColours(Colour fore, Colour back)
{
    // Framed in a dimmed text colour: on a black panel the style's own frame
    // would be black on black, and the box would not show until typed into.
    const QColor text = toQColor(fore);
    edit_->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background-color: %2; border: 2px solid %3; }")
                             .arg(text.name(), toQColor(back).name(), text.darker(170).name()));
}

void TextBox::setFocus() { edit_->setFocus(Qt::OtherFocusReason); }
