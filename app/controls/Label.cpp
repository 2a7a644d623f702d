#include "app/controls/Label.h"

#include "app/controls/Twips.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

// How `text` wraps at `width` in `font`: how many lines it takes, which is
// the same whatever faces its characters come from, and how far its first
// baseline lies below the top, which is not.
struct Wrapping {
    int lines = 0;
    qreal firstAscent = 0;
};

Wrapping wrap(const QString& text, const QFont& font, qreal width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    Wrapping wrapping;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        wrapping.firstAscent = wrapping.lines++ == 0 ? line.ascent() : wrapping.firstAscent;
    }
    layout.endLayout();
    wrapping.lines = std::max(wrapping.lines, 1);
    return wrapping;
}

// Each line of a caption of several lines (a row of a list column) is laid
// out as a paragraph of its own, so that direction marks in one (a name typed
// with a right-to-left override) end with it and turn none of the rows below.
// The lines follow each other at the font's own line pitch, each on a whole
// pixel, with their baselines where the font's own ascent puts them, however
// tall a face a character falls back to: a column's rows stay in line with
// its neighbours'. An empty line keeps its place.
void drawLines(QPainter& painter, const QRect& area, int flags, const QString& caption)
{
    const QFontMetricsF metrics(painter.font());
    QRectF rest(area);
    for (const QString& line : caption.split(QChar(10))) {
        const QString shown = line.isEmpty() ? QStringLiteral(" ") : line;
        const Wrapping wrapping = wrap(shown, painter.font(), rest.width());
        // A taller face would push the baseline down: the line rises as much.
        painter.drawText(rest.translated(0, std::round(metrics.ascent() - wrapping.firstAscent)), flags, shown);
        rest.setTop(std::ceil(rest.top() + wrapping.lines * metrics.lineSpacing()));
        if (rest.height() <= 0) {
            return;
        }
    }
}

}  // namespace

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
    drawLines(painter, area, textFlags(), caption_);
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
