#include "app/controls/TextBox.h"

#include <QLineEdit>
#include <QPalette>

void TextBox::create(Control& container)
{
    edit_ = new QLineEdit(container.widget());
    attach(edit_, &container);
    applyGeometry();
}

QString TextBox::text() const
{
    return edit_->text();
}

void TextBox::setText(const QString& text)
{
    edit_->setText(text);
}

int TextBox::maxLength() const
{
    return edit_->maxLength();
}

void TextBox::setMaxLength(int characters)
{
    edit_->setMaxLength(characters);
}

void TextBox::setFont(const Font& font)
{
    edit_->setFont(toQFont(font));
}

void TextBox::setColours(Colour fore, Colour back)
{
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Text, toQColor(fore));
    palette.setColor(QPalette::Base, toQColor(back));
    edit_->setPalette(palette);
}
