#include "art/suit_pip.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "art/colours.h"

namespace troven::art {

namespace {

// A pip is a few overlapping parts. Each part is filled on its own, so the parts merge
// without holes whichever way their outlines run.
using Parts = QList<QPainterPath>;

// All shapes are drawn in a unit box from -0.5 to 0.5 on both axes, y pointing down.

// A heart with its point at the bottom, built from two mirrored bezier lobes.
QPainterPath unitHeart() {
    QPainterPath p;
    p.moveTo(0.0, 0.48);
    p.cubicTo(-0.12, 0.34, -0.50, 0.10, -0.50, -0.16);
    p.cubicTo(-0.50, -0.37, -0.36, -0.48, -0.24, -0.48);
    p.cubicTo(-0.12, -0.48, -0.03, -0.40, 0.0, -0.27);
    p.cubicTo(0.03, -0.40, 0.12, -0.48, 0.24, -0.48);
    p.cubicTo(0.36, -0.48, 0.50, -0.37, 0.50, -0.16);
    p.cubicTo(0.50, 0.10, 0.12, 0.34, 0.0, 0.48);
    p.closeSubpath();
    return p;
}

// The flared stem under a spade or a club.
QPainterPath unitStem() {
    QPainterPath p;
    p.moveTo(0.0, -0.10);
    p.quadTo(0.06, 0.36, 0.22, 0.50);
    p.lineTo(-0.22, 0.50);
    p.quadTo(-0.06, 0.36, 0.0, -0.10);
    p.closeSubpath();
    return p;
}

QPainterPath unitCircle(double x, double y, double radius) {
    QPainterPath p;
    p.addEllipse(QPointF(x, y), radius, radius);
    return p;
}

// An upside-down heart squeezed into the upper part of the box, on a stem.
Parts unitSpade() {
    return {QTransform(1.0, 0.0, 0.0, -0.78, 0.0, -0.09).map(unitHeart()), unitStem()};
}

// Three round leaves, a filler where they meet, and a stem.
Parts unitClub() {
    constexpr double leaf = 0.225;
    return {unitCircle(0.0, -0.25, leaf), unitCircle(-0.265, 0.11, leaf),
            unitCircle(0.265, 0.11, leaf), unitCircle(0.0, 0.0, 0.14), unitStem()};
}

// A rhombus with slightly hollow sides.
QPainterPath unitDiamond() {
    QPainterPath p;
    p.moveTo(0.0, -0.5);
    p.quadTo(0.16, -0.22, 0.40, 0.0);
    p.quadTo(0.16, 0.22, 0.0, 0.5);
    p.quadTo(-0.16, 0.22, -0.40, 0.0);
    p.quadTo(-0.16, -0.22, 0.0, -0.5);
    p.closeSubpath();
    return p;
}

Parts unitPip(Suit suit) {
    switch (suit) {
        case Suit::Spades:
            return unitSpade();
        case Suit::Hearts:
            return {unitHeart()};
        case Suit::Clubs:
            return unitClub();
        case Suit::Diamonds:
            return {unitDiamond()};
    }
    return {};
}

}  // namespace

Suit suitOfCard(int cardNumber) { return static_cast<Suit>(cardNumber / 13); }

QColor suitColor(Suit suit) {
    const bool red = suit == Suit::Hearts || suit == Suit::Diamonds;
    return red ? colours::kRedSuitInk : colours::kBlackSuitInk;
}

void fillSuitPip(QPainter& painter, Suit suit, const QRectF& box) {
    QTransform toBox;
    toBox.translate(box.center().x(), box.center().y());
    toBox.scale(box.width(), box.height());
    for (const QPainterPath& part : unitPip(suit)) {
        painter.fillPath(toBox.map(part), suitColor(suit));
    }
}

}  // namespace troven::art
