#include "score_backup.h"

#include <QFile>
#include <QSaveFile>

#include "score_file_reader.h"

namespace troven {
namespace {

// Streams the whole file, however large, and puts the copy in place in one step.
SaveResult copyFile(const QString& from, const QString& to) {
    constexpr qint64 kChunk = 64 * 1024;
    const auto failed = [](const QFileDevice& device) {
        return SaveResult{SaveResult::Failure::BackupFailed, device.errorString()};
    };
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) return failed(source);
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed(target);
    for (QByteArray chunk; !(chunk = source.read(kChunk)).isEmpty();) {
        if (target.write(chunk) != chunk.size()) return failed(target);
    }
    if (source.error() != QFileDevice::NoError) return failed(source);
    if (!target.commit()) return failed(target);
    return {};
}

}  // namespace

QString backupPath(const QString& path) { return path + QStringLiteral(".bak"); }

SaveResult keepOriginalIfIrregular(const QString& path) {
    switch (ScoreFileReader(path).state()) {
        case ScoreFileState::Missing:
        case ScoreFileState::Clean:
            return {};
        case ScoreFileState::Irregular:
        case ScoreFileState::Unreadable:
            break;
    }
    return copyFile(path, backupPath(path));
}

}  // namespace troven
