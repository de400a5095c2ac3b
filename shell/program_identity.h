#pragma once

#include <QIcon>
#include <QString>

namespace troven {

// The program's name where a message box gives no title of its own.
inline const QString kProgramTitle = QStringLiteral("THE TROVEN");

// The eye-shaped program icon, at every size it is drawn in.
QIcon programIcon();

}  // namespace troven
