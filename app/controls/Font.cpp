#include "app/controls/Font.h"

#include "app/controls/Twips.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <map>
#include <tuple>

namespace {

// The captions were designed for a narrow digital face that a player may not
// have; a narrow bold sans keeps every caption inside its label.
const QString kDigitalFace = QStringLiteral("Digital Readout Upright");
const QStringList kCaptionFaces{kDigitalFace, QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
// A digital face is small for its size: short capitals, hardly any
// descenders. A substitute drawn a fifth smaller fills the same boxes.
constexpr double kSubstituteScale = 0.8;
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

namespace {

QFont makeQFont(const Font& font)
{
    QFont qfont;
    const QString& family = font.face == Font::Face::Caption ? captionFamily() : systemFamily();
    if (!family.isEmpty()) {
        qfont.setFamily(family);
    }
    const bool substitute = font.face == Font::Face::Caption && family != kDigitalFace;
    qfont.setPixelSize(twips::pointsToPixels(font.points * (substitute ? kSubstituteScale : 1.0)));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    return qfont;
}

}  // namespace

QFont toQFont(const Font& font)
{
    // A window of a few dozen designs and six hundred cell numbers in one:
    // each design is worked out once.
    using Key = std::tuple<double, bool, bool, bool, Font::Face>;
    static std::map<Key, QFont> made;
    const Key key{font.points, font.bold, font.italic, font.underline, font.face};
    auto found = made.find(key);
    if (found == made.end()) {
        found = made.emplace(key, makeQFont(font)).first;
    }
    return found->second;
}
