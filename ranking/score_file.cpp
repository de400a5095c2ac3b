#include "score_file.h"

#include <QSaveFile>

#include "score_backup.h"
#include "score_caption.h"
#include "score_file_reader.h"
#include "score_line.h"

namespace troven {

DisplayedTable loadTable(Module1& module, const QString& path) {
    ScoreFileReader reader(path);
    DisplayedTable table;
    for (std::size_t i = 0; i < kPlaces; ++i) {
        reader.readRecord(module);
        table.Label1[i] = module.RecName;
        table.Label2[i] = captionWithoutSign(module.RecScore);
    }
    return table;
}

SaveResult saveTable(Module1& module, const DisplayedTable& table, const QString& path) {
    if (SaveResult kept = keepOriginalIfIrregular(path); !kept.ok()) return kept;

    QSaveFile file(path);
    // Unbuffered, and every write checked (also in score_backup.cpp): QSaveFile's commit does not
    // notice a write that fails only as its buffer is flushed, nor one cut short, and would put
    // an empty or cut file in place on a full disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return {SaveResult::Failure::CannotCreate, file.errorString()};
    }
    for (int rank = 0; rank < kPlaces; ++rank) {
        module.RecName = table.Label1.at(static_cast<std::size_t>(rank));
        module.RecScore = fileScore(table.score(rank));
        const QByteArray line = scoreLine(module.RecName, module.RecScore);
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
