#include "app/controls/Label.h"

#include "app/controls/Twips.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

// Paints the caption itself: a label is mostly a few characters that change
// several times a second, and a plain painter is all that needs.
class LabelWidget final : public QWidget {
public:
    LabelWidget(Label& label, QWidget* parent) : QWidget(parent), label_(label) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (!label_.transparent()) {
            painter.fillRect(rect(), toQColor(label_.backColor()));
        }
        if (label_.caption().isEmpty()) {
            return;
        }
        painter.setFont(label_.qfont());
        painter.setPen(toQColor(label_.foreColor()));
        // A label lower than one line of its font (the rule above the total)
        // shows the middle of the line rather than only its top.
        const int lineHeight = painter.fontMetrics().height();
        const QRect area = lineHeight > height() ? rect().adjusted(0, (height() - lineHeight) / 2, 0, 0) : rect();
        painter.drawText(area, textFlags(label_), label_.caption());
    }

    // A click is a press and a release over the same label; the press is
    // taken so that it does not fall through to the container.
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            label_.deliverClick();
        }
    }

public:
    static int textFlags(const Label& label)
    {
        static constexpr int kHorizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
        return kHorizontal[static_cast<int>(label.alignment())] | Qt::AlignTop | Qt::TextWordWrap;
    }

private:
    Label& label_;
};

void Label::create(Control& container)
{
    view_ = new LabelWidget(*this, container.widget());
    attach(view_, &container);
    applyGeometry();
}

void Label::repaint()
{
    if (view_) {
        view_->update();
    }
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
    qfont_ = toQFont(font_);
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
    const QFontMetrics metrics(qfont_);
    const QSize size = metrics.size(0, caption_.isEmpty() ? QStringLiteral(" ") : caption_);
    width_ = size.width() * twips::kPerPixel;
    height_ = size.height() * twips::kPerPixel;
    applyGeometry();
}
