#include <QPainter>
#include <QPolygonF>

#include "art/colours.h"
#include "art/painters.h"

namespace troven::art {

namespace {

void drawFigure(QPainter& painter, const QColor& color, QPointF head, const QPolygonF& body) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(head, 3.0, 3.0);
    painter.drawPolygon(body);
}

}  // namespace

// Two figures side by side: a black one whose body narrows downwards and a red one whose body
// widens downwards; the foot of the red body hides the tip of the black one.
void paintEmblem(QPainter& painter) {
    painter.fillRect(QRectF(QPointF(0, 0), kEmblemSize), QColor(192, 255, 255));
    drawFigure(painter, colours::kBlackSuitInk, QPointF(8.0, 5.5),
               QPolygonF({QPointF(2.5, 10.0), QPointF(13.5, 10.0), QPointF(8.0, 22.5)}));
    drawFigure(painter, colours::kRedSuitInk, QPointF(15.5, 5.5),
               QPolygonF({QPointF(15.5, 10.0), QPointF(23.0, 22.5), QPointF(8.0, 22.5)}));
}

}  // namespace troven::art
