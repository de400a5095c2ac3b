#pragma once

#include <QColor>

#include "looks/table_colours.h"

namespace troven {

// A colour of the game (0x00BBGGRR, or the window-background system colour) as Qt draws it.
QColor toQColor(Colour colour);

}  // namespace troven
