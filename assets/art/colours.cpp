#include "art/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace troven::colours {

QColor desktopWindowBackground() { return QGuiApplication::palette().color(QPalette::Base); }

}  // namespace troven::colours
