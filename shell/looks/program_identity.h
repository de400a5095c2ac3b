#pragma once

#include <QIcon>
#include <QString>

namespace troven {

// The program's name: on the splash, and where a message box gives no title of its own.
QString programName();
// The main window's title: the name with its words two blanks apart, as it has always been shown.
QString mainWindowTitle();

// The eye-shaped program icon, at every size it is drawn in, and drawn for a screen of the given
// device pixel ratio at the size a 32-pixel icon takes there.
QIcon programIcon(qreal devicePixelRatio);

// The same icon at 32 x 32 only (or drawn at that size for the ratio), for the splash: a window
// that is up for a moment and is shown before anything else need not decode every size.
QIcon smallProgramIcon(qreal devicePixelRatio);

}  // namespace troven
