#pragma once

#include <QLockFile>
#include <QString>

namespace troven {

// Whether another copy of the program is running: the first copy holds a lock file for as long as
// it runs. A lock left behind by a copy that crashed or was killed does not count, since the lock
// names its holder's process and a dead holder's lock is taken over.
class PreviousInstance {
  public:
    // The lock in the user's runtime folder.
    PreviousInstance();
    explicit PreviousInstance(const QString& lockPath);

    // True when another copy holds the lock; otherwise this copy takes it and keeps it.
    bool isRunning();

  private:
    QLockFile lock_;
};

}  // namespace troven
