#include <QPainter>
#include <QPainterPath>

#include "art/artwork.h"
#include "art/painters.h"

namespace troven::art {

namespace {

// The 16 colours of the classic VGA palette.
const QList<QRgb> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kAqua(0, 255, 255);

// An almond between two arcs meeting at the corners of the eye, in 32-unit coordinates.
QPainterPath almond() {
    QPainterPath p;
    p.moveTo(1.5, 16.0);
    p.quadTo(16.0, -1.0, 30.5, 16.0);
    p.quadTo(16.0, 33.0, 1.5, 16.0);
    p.closeSubpath();
    return p;
}

void paintEye(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kIconDesignSize, kIconDesignSize), Qt::white);
    painter.setPen(QPen(kNavy, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(almond());

    painter.setClipPath(almond());
    painter.setPen(QPen(kNavy, 1.5));
    painter.setBrush(kBlue);
    painter.drawEllipse(QPointF(16.0, 16.0), 7.5, 7.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAqua);
    painter.drawEllipse(QPointF(16.0, 16.0), 4.5, 4.5);
    painter.setBrush(kNavy);
    painter.drawEllipse(QPointF(16.0, 16.0), 3.0, 3.0);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(13.5, 13.0), 1.6, 1.6);
}

}  // namespace

QImage renderProgramIcon(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        const double scale = static_cast<double>(size) / kIconDesignSize;
        painter.scale(scale, scale);
        paintEye(painter);
    }
    // Every pixel already holds a palette colour, so the conversion is exact.
    return image.convertToFormat(QImage::Format_Indexed8, kPalette, Qt::ThresholdDither);
}

}  // namespace troven::art
