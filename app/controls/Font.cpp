#include "app/controls/Font.h"

#include "app/controls/Twips.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <map>
#include <tuple>

namespace {

const QString kDigitalFace = QStringLiteral("Digital Readout Upright");

// The digital face gives every character, the blank included, the same
// advance, and the captions were laid out in it with runs of blanks: the
// hi-score heading reaches its columns, each scoring rule fills one line of
// the how-to-play text, sixteen dashes span the score column. A player without
// it gets a monospaced face whose cells are made exactly as wide, so those
// captions fall where they were laid out.
// Each with the Debian package that brings it, for a player who has none.
struct Face {
    QString family;
    QString package;
};
const QList<Face> kSubstituteFaces{{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("fonts-dejavu-core")},
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("fonts-liberation")}};
const QList<Face> kSystemFaces{{QStringLiteral("DejaVu Sans"), QStringLiteral("fonts-dejavu-core")},
                               {QStringLiteral("Liberation Sans"), QStringLiteral("fonts-liberation")}};

// The digital face's measures as a share of its size, read back from the
// layout. Its line, top to bottom, from the labels sized to their captions
// ("reset", the red and the green X). Its advance from the captions laid out
// with blanks: the hi-score heading (plain), the scoring rules and the credits
// line (bold: 82 cells fill a line of the rules, 83 break it) and the menu
// items, whose labels are just wide enough for them (bold italic).
constexpr double kLineHeight = 0.875;
constexpr double kPlainAdvance = 0.436;
constexpr double kBoldAdvance = 0.49;
constexpr double kBoldItalicAdvance = 0.47;

double designAdvance(const Font& font)
{
    if (!font.bold) {
        return kPlainAdvance;
    }
    return font.italic ? kBoldItalicAdvance : kBoldAdvance;
}

QString firstInstalled(const QList<Face>& faces)
{
    const QStringList installed = QFontDatabase::families();
    for (const Face& face : faces) {
        if (installed.contains(face.family)) {
            return face.family;
        }
    }
    return QString();
}

const QString& captionFamily()
{
    static const QString family =
        QFontDatabase::families().contains(kDigitalFace) ? kDigitalFace : firstInstalled(kSubstituteFaces);
    return family;
}

const QString& systemFamily()
{
    static const QString family = firstInstalled(kSystemFaces);
    return family;
}

double cellWidth(const QFont& qfont) { return QFontMetricsF(qfont).horizontalAdvance(QStringLiteral(" ")); }

// The substitute is drawn at the size whose line is as tall as the digital
// face's, so wrapped captions keep to their labels; spacing then makes each
// cell as wide, to the fraction of a pixel that over sixty cells adds up.
void matchDesignCells(QFont& qfont, const Font& font, int designPixels)
{
    constexpr int kProbePixels = 100;
    qfont.setPixelSize(kProbePixels);
    const double heightPerPixel = QFontMetricsF(qfont).height() / kProbePixels;
    qfont.setPixelSize(std::max(1, qRound(designPixels * kLineHeight / heightPerPixel)));
    qfont.setLetterSpacing(QFont::AbsoluteSpacing, designPixels * designAdvance(font) - cellWidth(qfont));
}

QFont makeQFont(const Font& font)
{
    QFont qfont;
    const bool caption = font.face == Font::Face::Caption;
    const QString& family = caption ? captionFamily() : systemFamily();
    if (!family.isEmpty()) {
        qfont.setFamily(family);
    }
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    const int designPixels = twips::pointsToPixels(font.points);
    if (caption && family != kDigitalFace) {
        qfont.setStyleHint(QFont::TypeWriter);
        matchDesignCells(qfont, font, designPixels);
    } else {
        qfont.setPixelSize(designPixels);
    }
    return qfont;
}

}  // namespace

QString missingFacesWarning()
{
    QStringList looked;
    QStringList packages;
    const auto lookFor = [&](const QList<Face>& faces) {
        for (const Face& face : faces) {
            looked << face.family;
            if (!packages.contains(face.package)) {
                packages << face.package;
            }
        }
    };
    if (captionFamily().isEmpty()) {
        looked << kDigitalFace;
        lookFor(kSubstituteFaces);
    }
    if (systemFamily().isEmpty()) {
        lookFor(kSystemFaces);
    }
    if (looked.isEmpty()) {
        return QString();
    }
    const QString others = packages.size() > 1 ? QStringLiteral(" (or %1)").arg(packages.mid(1).join(", ")) : QString();
    return QStringLiteral("none of the faces the game draws its text in is installed (it looks for %1), so the "
                          "text shows as boxes: install the Debian package %2%3")
        .arg(looked.join(QStringLiteral(", ")), packages.first(), others);
}

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

QFont scaledQFont(const Font& font, double scale)
{
    QFont qfont = toQFont(font);
    if (qfont.pixelSize() > 0) {
        qfont.setPixelSize(std::max(1, qRound(qfont.pixelSize() * scale)));
    }
    qfont.setLetterSpacing(QFont::AbsoluteSpacing, qfont.letterSpacing() * scale);
    return qfont;
}
