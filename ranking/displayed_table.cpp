#include "displayed_table.h"

#include "score_caption.h"

namespace troven {

DisplayedTable DisplayedTable::defaults() {
    DisplayedTable table;
    for (int rank = 0; rank < kPlaces; ++rank) {
        table.names.at(static_cast<std::size_t>(rank)) = defaultName(rank);
        table.scores.at(static_cast<std::size_t>(rank)) = captionWithoutSign(defaultScore(rank));
    }
    return table;
}

std::int32_t DisplayedTable::score(int rank) const {
    return scoreFromCaption(scores.at(static_cast<std::size_t>(rank))).value_or(defaultScore(rank));
}

}  // namespace troven
