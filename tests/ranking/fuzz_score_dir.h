#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

#include "ranking/score_file.h"
#include "score_files.h"

namespace troven::testing {

inline void check(bool condition) {
    if (!condition) std::abort();
}

// "score.dat" in a folder of the run's own, on a memory file system where there is one: every
// save ends in an fsync, which on a disk would cost most of the time of a run.
inline QString scoreFilePath() {
    static const QTemporaryDir dir(QDir("/dev/shm").exists()
                                       ? "/dev/shm/troven-fuzz-XXXXXX"
                                       : QDir::tempPath() + "/troven-fuzz-XXXXXX");
    return dir.filePath(kScoreFileName);
}

}  // namespace troven::testing
