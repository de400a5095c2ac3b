#pragma once

#include <QString>

namespace troven {

// How a save of "score.dat" went. A failed save leaves the file as it was.
struct SaveResult {
    enum class Failure {
        None,
        BackupFailed,   // a file that did not read cleanly could not be kept as ".bak" first
        CannotCreate,   // the new file could not be started (read-only folder, no such folder)
        WriteFailed,    // writing it failed (disk full)
        CannotReplace,  // it could not take the old file's place
    };

    Failure failure = Failure::None;
    QString detail;  // the system's own explanation

    bool ok() const { return failure == Failure::None; }
};

// The message the ranking window shows when saving to `path` failed.
QString saveFailureMessage(const QString& path, const SaveResult& result);

}  // namespace troven
