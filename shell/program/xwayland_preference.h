#pragma once

#include <QStringList>

namespace troven {

// On a Wayland desktop the program runs through XWayland rather than Qt's Wayland plugin: there
// the desktop draws the window's title bar with only a close box, keeps the window at its fixed
// size and lets it centre itself, none of which a Wayland client can ask for. Done by choosing
// Qt's xcb platform before QApplication exists, unless the user chose a platform (QT_QPA_PLATFORM
// or -platform among the arguments) or no X server is offered (DISPLAY unset).
void preferXWaylandOnWayland(const QStringList& arguments);

}  // namespace troven
