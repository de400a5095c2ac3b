#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

#include "ranking/score_file.h"

namespace troven::fuzz {

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

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

}  // namespace troven::fuzz
