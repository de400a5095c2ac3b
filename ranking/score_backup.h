#pragma once

#include <QString>

#include "save_result.h"

namespace troven {

// "score.dat" -> "score.dat.bak"
QString backupPath(const QString& path);

// Before a save replaces a file that did not read cleanly (short, malformed or unreadable), its
// bytes are kept as backupPath(path), so nothing the player had is lost unseen. A clean or
// missing file needs nothing. Fails (and the save must not go on) if the copy cannot be made.
SaveResult keepOriginalIfIrregular(const QString& path);

}  // namespace troven
