#include "Palette.h"
#include "TileArt.h"
#include "TileGeometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace tileart {

namespace {

using tilegeometry::kCentre;

constexpr int kArms = 3;
constexpr double kOuterRadius = 27.0;
constexpr double kCoreRadius = 9.0;
// How far each arm winds on its way in; a bit over half a turn reads as a
// swirl without turning into rings at 33 pixels.
constexpr double kArmSweep = 1.3 * std::numbers::pi;
constexpr int kArmSteps = 24;

QPainterPath spiralArm(double startAngle)
{
    QPainterPath arm;
    for (int step = 0; step <= kArmSteps; ++step) {
        const double t = double(step) / kArmSteps;
        const double radius = kOuterRadius + (kCoreRadius - kOuterRadius) * t;
        const double angle = startAngle + kArmSweep * t;
        const QPointF point = kCentre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        step == 0 ? arm.moveTo(point) : arm.lineTo(point);
    }
    return arm;
}

}  // namespace

void paintBlackHole(QPainter& painter)
{
    painter.save();
    // A dark face, unlike every tile the player may step on.
    paintFace(painter, {QColor(58, 20, 44), QColor(110, 50, 80), QColor(24, 6, 18)});

    // A hot rim around the hole says "danger" even where the swirl is lost.
    QRadialGradient rim(kCentre, kOuterRadius + 3);
    rim.setColorAt(0.0, palette::kHoleCore);
    rim.setColorAt(0.45, palette::kHoleCore);
    rim.setColorAt(0.72, palette::kHoleGlow);
    rim.setColorAt(0.86, QColor(200, 30, 30));
    rim.setColorAt(1.0, QColor(200, 30, 30, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawEllipse(kCentre, kOuterRadius + 3, kOuterRadius + 3);

    painter.setBrush(Qt::NoBrush);
    for (int arm = 0; arm < kArms; ++arm) {
        const double start = 2 * std::numbers::pi * arm / kArms;
        painter.setPen(QPen(palette::kHoleSwirl, 5.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(spiralArm(start));
        painter.setPen(QPen(palette::kHoleSwirl.lighter(170), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(spiralArm(start));
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::kHoleCore);
    painter.drawEllipse(kCentre, kCoreRadius, kCoreRadius);
    painter.restore();
}

}  // namespace tileart
