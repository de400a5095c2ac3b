#include "game_result.h"

#include "default_table.h"
#include "score_file_reader.h"

namespace troven {

bool judgeGameResult(Module1& module, int count, const QString& path) {
    ScoreFileReader reader(path);
    for (int rank = 0; rank < kPlaces; ++rank) reader.readRecord(module);
    // The record buffer now holds the tenth record.
    if (count <= module.RecScore) return false;
    module.NewScore = count;
    return true;
}

}  // namespace troven
