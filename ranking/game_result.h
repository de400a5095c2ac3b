#pragma once

#include <QString>

#include "module1.h"

namespace troven {

// The end of a game: reads the ten records of `path` through RecName and RecScore and compares
// `count` with the tenth score. Strictly greater qualifies: NewScore takes the count and the
// result is true; the caller then plays the ranking sound and opens the ranking window. An
// equal or lower count changes nothing. A missing file reads as the default table (tenth
// score 0), a malformed one as far as it is readable.
bool judgeGameResult(Module1& module, int count, const QString& path);

}  // namespace troven
