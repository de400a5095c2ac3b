#include "looks/qt_colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace troven {

QColor toQColor(Colour colour) {
    if (colour == colour::kWindowBackground) {
        // The background of a window's content: Base in Qt's palette (white by default).
        return QGuiApplication::palette().color(QPalette::Base);
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace troven
