#pragma once

#include <QLabel>

namespace troven {

// A label as the windows lay them out: opaque, no border, a fixed place and size, one line of
// text clipped at its edges, and the same look whether its window is enabled or not.
QLabel* makeLabel(QWidget* parent, const QRect& geometry, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignCenter);
// Lays out a label made elsewhere (a subclass) the same way.
void layOutLabel(QLabel* label, const QRect& geometry, const QFont& font,
                 Qt::Alignment alignment = Qt::AlignCenter);
void setLabelColours(QLabel* label, const QColor& fore, const QColor& back);

}  // namespace troven
