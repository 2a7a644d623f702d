#include "TileArt.h"

#include "Palette.h"
#include "TileGeometry.h"

#include <QPainter>
#include <array>

namespace tileart {

namespace {

struct SpecialPicture {
    const char* name;
    void (*paint)(QPainter&);
};

const std::array<SpecialPicture, 3> kSpecialPictures{{
    {"4bh", paintBlackHole},
    {"door", paintDoor},
    {"ok", paintGreenBox},
}};

const std::array<QColor, 3> kFamilyColours{palette::kFamilyStraight, palette::kFamilyLeft, palette::kFamilyRight};

}  // namespace

QColor familyColour(int family) { return kFamilyColours.at(static_cast<std::size_t>(family - 1)); }

QStringList pictureNames()
{
    QStringList names;
    for (const ArrowTile& tile : arrowTiles()) {
        names << QString::fromLatin1(tile.code);
    }
    for (const SpecialPicture& special : kSpecialPictures) {
        names << QString::fromLatin1(special.name);
    }
    return names;
}

bool paintTile(QPainter& painter, const QString& name)
{
    if (const ArrowTile* tile = findArrowTile(name)) {
        paintFace(painter, {palette::kFace, palette::kFaceLight, palette::kFaceShadow});
        paintArrow(painter, *tile);
        return true;
    }
    for (const SpecialPicture& special : kSpecialPictures) {
        if (name == QLatin1String(special.name)) {
            special.paint(painter);
            return true;
        }
    }
    return false;
}

QImage renderTile(const QString& name, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(palette::kWindow);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / tilegeometry::kTileSize, pixels / tilegeometry::kTileSize);
    paintTile(painter, name);
    return image;
}

}  // namespace tileart
