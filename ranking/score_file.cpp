#include "score_file.h"

#include <QSaveFile>

#include "score_backup.h"
#include "score_caption.h"
#include "score_file_reader.h"
#include "score_line.h"

namespace troven {

DisplayedTable loadTable(const QString& path) {
    const ScoreFileReader reader(path);
    DisplayedTable table;
    for (int rank = 0; rank < kPlaces; ++rank) {
        const ScoreRecord record = reader.record(rank);
        table.names.at(static_cast<std::size_t>(rank)) = record.name;
        table.scores.at(static_cast<std::size_t>(rank)) = captionWithoutSign(record.score);
    }
    return table;
}

SaveResult saveTable(const DisplayedTable& table, const QString& path) {
    if (SaveResult kept = keepOriginalIfIrregular(path); !kept.ok()) return kept;

    QSaveFile file(path);
    // Unbuffered, and every write checked (also in score_backup.cpp): QSaveFile's commit does not
    // notice a write that fails only as its buffer is flushed, nor one cut short, and would put
    // an empty or cut file in place on a full disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return {SaveResult::Failure::CannotCreate, file.errorString()};
    }
    for (int rank = 0; rank < kPlaces; ++rank) {
        const QByteArray line =
            scoreLine(table.names.at(static_cast<std::size_t>(rank)), fileScore(table.score(rank)));
        if (file.write(line) != line.size()) {
            return {SaveResult::Failure::WriteFailed, file.errorString()};
        }
    }
    if (!file.commit()) {
        const auto failure = file.error() == QFileDevice::WriteError
                                 ? SaveResult::Failure::WriteFailed
                                 : SaveResult::Failure::CannotReplace;
        return {failure, file.errorString()};
    }
    return {};
}

}  // namespace troven
