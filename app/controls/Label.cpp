#include "app/controls/Label.h"

#include "app/controls/Twips.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace {

constexpr QChar kFirstStrongIsolate(0x2068);
constexpr QChar kPopDirectionalIsolate(0x2069);

bool opensIsolate(QChar c) { return c >= QChar(0x2066) && c <= kFirstStrongIsolate; }

// One line in an isolate of its own, so that direction marks in it end with
// it. An end of isolate that ends none of the line's own would end ours
// early, so it is left out, and isolates the line leaves open are closed;
// neither shows, nor changes the line itself.
QString isolated(const QString& line)
{
    QString drawn(kFirstStrongIsolate);
    int open = 0;
    for (const QChar c : line) {
        if (c == kPopDirectionalIsolate && open == 0) {
            continue;
        }
        open += opensIsolate(c) ? 1 : c == kPopDirectionalIsolate ? -1 : 0;
        drawn += c;
    }
    return drawn + QString(open + 1, kPopDirectionalIsolate);
}

// A caption of several lines (a list column) has each line isolated, so that
// a name typed with a right-to-left override turns none of the rows below.
// The caption keeps its lines as they are, for the screen reader and the file.
QString isolatedLines(const QString& caption)
{
    if (!caption.contains(QChar(10))) {
        return caption;
    }
    QStringList lines = caption.split(QChar(10));
    for (QString& line : lines) {
        line = isolated(line);
    }
    return lines.join(QChar(10));
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
    painter.drawText(area, textFlags(), isolatedLines(caption_));
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
