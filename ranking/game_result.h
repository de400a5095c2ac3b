#pragma once

#include <QString>

namespace troven {

// The end of a game: whether `count` enters the ranking kept in `path`, that is beats its tenth
// score strictly. The caller then hands the count to the ranking window, plays the ranking sound
// and opens the window. A missing file reads as the default table (tenth score 0), a malformed
// one as far as it is readable.
bool entersRanking(int count, const QString& path);

}  // namespace troven
