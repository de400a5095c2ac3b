#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "art/artwork.h"
#include "art/colours.h"
#include "art/painters.h"

namespace troven::art {

namespace {

const QRectF kField(2.0, 2.0, 44.0, 64.0);
const QPointF kCentre(24.0, 34.0);

// The ornament: a line border inside the field, a tall rhombus and a four-leaf rose.
QPainterPath ornament() {
    QPainterPath p;
    p.addRoundedRect(kField.adjusted(3.5, 3.5, -3.5, -3.5), 2.5, 2.5);
    p.moveTo(kCentre + QPointF(0.0, -24.0));
    p.lineTo(kCentre + QPointF(15.0, 0.0));
    p.lineTo(kCentre + QPointF(0.0, 24.0));
    p.lineTo(kCentre + QPointF(-15.0, 0.0));
    p.closeSubpath();
    // r = cos(2 t): four leaves pointing up, down, left and right.
    constexpr int kSteps = 160;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = 2.0 * std::numbers::pi * i / kSteps;
        const double r = std::cos(2.0 * t);
        const QPointF point = kCentre + QPointF(10.0 * r * std::cos(t), 14.0 * r * std::sin(t));
        if (i == 0) {
            p.moveTo(point);
        } else {
            p.lineTo(point);
        }
    }
    return p;
}

}  // namespace

void paintCardBack(QPainter& painter) {
    painter.fillRect(QRectF(QPointF(0, 0), kCardSize), colours::kTable);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), kCardSize), 4.5, 4.5);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(kField, 2.5, 2.5);

    // The glow: wide faint strokes added up like light, then a bright thin core.
    painter.save();
    painter.setClipRect(kField);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.setBrush(Qt::NoBrush);
    const QPainterPath lines = ornament();
    struct Stroke {
        double width;
        QColor color;
    };
    for (const Stroke& stroke : {Stroke{5.0, QColor(60, 0, 60)}, Stroke{3.0, QColor(90, 0, 90)},
                                 Stroke{1.6, QColor(140, 30, 140)}}) {
        painter.setPen(
            QPen(stroke.color, stroke.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(lines);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(QColor(255, 120, 255), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(lines);
    painter.restore();
}

}  // namespace troven::art
