#include "app/controls/Font.h"

#include "app/controls/Twips.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

// The captions were designed for a narrow digital face that a player may not
// have; a narrow bold sans keeps every caption inside its label.
const QStringList kCaptionFaces{"Digital Readout Upright", "Liberation Sans Narrow", "DejaVu Sans Condensed",
                                "DejaVu Sans"};
const QStringList kSystemFaces{"DejaVu Sans", "Liberation Sans"};

QString firstInstalled(const QStringList& faces)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : faces) {
        if (installed.contains(face)) {
            return face;
        }
    }
    return QString();
}

const QString& captionFamily()
{
    static const QString family = firstInstalled(kCaptionFaces);
    return family;
}

const QString& systemFamily()
{
    static const QString family = firstInstalled(kSystemFaces);
    return family;
}

}  // namespace

QFont toQFont(const Font& font)
{
    QFont qfont;
    const QString& family = font.face == Font::Face::Caption ? captionFamily() : systemFamily();
    if (!family.isEmpty()) {
        qfont.setFamily(family);
    }
    qfont.setPixelSize(twips::pointsToPixels(font.points));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    return qfont;
}
