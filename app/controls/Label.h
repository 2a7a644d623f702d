#pragma once

#include "app/controls/Colour.h"
#include "app/controls/Control.h"
#include "app/controls/Font.h"

#include <QFont>
#include <QString>
#include <optional>

enum class Alignment { Left, Right, Center };

// A caption on the window or on a panel. Labels wrap words within their
// width, keep runs of blanks, and paint their background unless transparent.
class Label : public Control {
public:
    void create(Control& container);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour colour);
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    void setTransparent(bool transparent);

    const Font& font() const { return font_; }
    // Worked out when first drawn or measured: most labels wait on panels
    // that start-up never shows, and each new font costs a font lookup.
    const QFont& qfont() const;
    void setFont(const Font& font);
    void setAlignment(Alignment alignment);
    // Sized to its caption: the label grows or shrinks from its top left.
    void setAutoSize(bool autoSize);

    // How the caption is laid out in the label: alignment and word wrap.
    int textFlags() const;
    void paint(QPainter& painter) const override;
    bool opaque() const override { return !transparent_; }

private:
    void fitToCaption();

    QString caption_;
    Colour foreColor_ = colours::kButtonText;
    Colour backColor_ = colours::kMenuText;
    bool transparent_ = false;
    Font font_;
    mutable std::optional<QFont> qfont_;
    Alignment alignment_ = Alignment::Left;
    bool autoSize_ = false;
};
