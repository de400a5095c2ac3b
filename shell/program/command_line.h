#pragma once

#include <QStringList>

#include <optional>

namespace troven {

// --help and --version, answered on standard output from the arguments as given, before the
// application object exists: no display, lock or sound is needed for them. Anything else that is
// neither the program's nor Qt's is refused there too, as refuseUnknownArguments() does. Returns
// the exit code when the program is not to start, nothing when it is.
std::optional<int> answerCommandLine(const QStringList& arguments);

// What is left of the arguments once QApplication has taken its own options (-platform and the
// like): anything there is refused on standard error with exit code 2; nothing when all is well.
std::optional<int> refuseUnknownArguments(const QStringList& arguments);

}  // namespace troven
