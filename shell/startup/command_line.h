#pragma once

#include <QStringList>

#include <optional>

namespace troven {

// --help and --version, answered on standard output from the arguments as given, before the
// application object exists: no display, lock or sound is needed for them. Returns the exit code
// when one was asked for, nothing when the program is to start.
std::optional<int> answerCommandLine(const QStringList& arguments);

// What is left of the arguments once QApplication has taken its own options (-platform and the
// like): anything there is refused on standard error with exit code 2; nothing when all is well.
std::optional<int> refuseUnknownArguments(const QStringList& arguments);

}  // namespace troven
