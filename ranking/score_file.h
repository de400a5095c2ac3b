#pragma once

#include <QString>

#include "displayed_table.h"
#include "save_result.h"

namespace troven {

// The program opens its ranking by this bare name, in the current working directory.
inline const QString kScoreFileName = QStringLiteral("score.dat");

// The ranking window opens: the ten records become the captions ("50", "-3": no sign position).
// A missing file gives the default table; a short or malformed one gives what it holds readably
// and the default table for the rest.
DisplayedTable loadTable(const QString& path);

// The ranking window closes: every row goes into a new file that takes the old one's place in
// one step (a crash or a full disk never leaves half a file). A
// score caption is read ignoring blanks (" 50" saves as 50) and saved as the nearest 16-bit
// value. A file that did not read cleanly is first kept as ".bak".
SaveResult saveTable(const DisplayedTable& table, const QString& path);

}  // namespace troven
