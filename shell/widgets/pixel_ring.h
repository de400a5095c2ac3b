#pragma once

class QColor;
class QPainter;
class QRect;

namespace troven {

// A ring one pixel wide just inside box, its top and left sides in one colour and its bottom and
// right sides in another. Filled rather than stroked, it is one logical pixel wide at any scale
// and meets what lies inside it without a gap.
void fillPixelRing(QPainter& p, const QRect& box, const QColor& topLeft, const QColor& bottomRight);

}  // namespace troven
