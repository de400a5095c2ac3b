#pragma once

#include <QIcon>
#include <QString>

namespace troven {

// The program's name where a message box gives no title of its own.
inline const QString kProgramTitle = QStringLiteral("THE TROVEN");

// The eye-shaped program icon, at every size it is drawn in.
QIcon programIcon();

// The same icon at 32 x 32 only, for the splash: a window that is up for a moment and is shown
// before anything else need not decode every size.
QIcon smallProgramIcon();

}  // namespace troven
