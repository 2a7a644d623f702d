#include "app/controls/Label.h"

#include "app/controls/Twips.h"

#include <QFontMetrics>
#include <QPainter>

void Label::create(Control& container) { attach(container); }

const QFont& Label::qfont() const
{
    if (!qfont_) {
        qfont_ = toQFont(font_);
    }
    return *qfont_;
}

int Label::textFlags() const
{
    static constexpr int kHorizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    return kHorizontal[static_cast<int>(alignment_)] | Qt::AlignTop | Qt::TextWordWrap;
}

void Label::paint(QPainter& painter) const
{
    const QRect rect(QPoint(0, 0), pixelRect().size());
    if (!transparent_) {
        painter.fillRect(rect, toQColor(backColor_));
    }
    if (caption_.isEmpty()) {
        return;
    }
    painter.setFont(qfont());
    painter.setPen(toQColor(foreColor_));
    // A label lower than one line of its font (the rule above the total)
    // shows the middle of the line rather than only its top.
    const int lineHeight = painter.fontMetrics().height();
    const QRect area = lineHeight > rect.height() ? rect.adjusted(0, (rect.height() - lineHeight) / 2, 0, 0) : rect;
    painter.drawText(area, textFlags(), caption_);
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    if (autoSize_) {
        fitToCaption();
    }
    repaint();
    if (onCaptionChanged) {
        onCaptionChanged();
    }
}

void Label::setForeColor(Colour colour)
{
    if (colour != foreColor_) {
        foreColor_ = colour;
        repaint();
    }
}

void Label::setBackColor(Colour colour)
{
    backColor_ = colour;
    repaint();
}

void Label::setTransparent(bool transparent)
{
    transparent_ = transparent;
    repaint();
}

void Label::setFont(const Font& font)
{
    font_ = font;
    qfont_.reset();
    if (autoSize_) {
        fitToCaption();
    }
    repaint();
}

void Label::setAlignment(Alignment alignment)
{
    alignment_ = alignment;
    repaint();
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_) {
        fitToCaption();
    }
}

void Label::fitToCaption()
{
    const QFontMetrics metrics(qfont());
    const QSize size = metrics.size(0, caption_.isEmpty() ? QStringLiteral(" ") : caption_);
    setGeometry(left_, top_, size.width() * twips::kPerPixel, size.height() * twips::kPerPixel);
}
