#include "game_result.h"

#include "default_table.h"
#include "score_file_reader.h"

namespace troven {

bool entersRanking(int count, const QString& path) {
    return count > ScoreFileReader(path).record(kPlaces - 1).score;
}

}  // namespace troven
