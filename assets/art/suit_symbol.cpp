#include <QPainter>

#include "art/painters.h"

namespace troven::art {

void paintSuitSymbol(QPainter& painter, Suit suit) {
    painter.fillRect(QRectF(QPointF(0, 0), kSuitSymbolSize), Qt::white);
    fillSuitPip(painter, suit, QRectF(2.0, 2.0, 20.0, 20.0));
}

}  // namespace troven::art
