#include "rank_entry.h"

#include <algorithm>
#include <cassert>

namespace troven {

std::uint8_t entryPosition(const RankingTable& ranking, std::int32_t newScore) {
    // Only a result above the tenth score enters, even in a table out of order.
    if (newScore <= ranking.back().Score) return kNotEntered;
    const auto* const place = std::find_if(ranking.begin(), ranking.end(),
                                           [&](const RankEntry& e) { return newScore > e.Score; });
    return static_cast<std::uint8_t>(place - ranking.begin());
}

void insertEntry(RankingTable& ranking, std::uint8_t position, std::int32_t newScore) {
    assert(position < kNotEntered);
    std::move_backward(ranking.begin() + position, ranking.end() - 1, ranking.end());
    ranking[position] = RankEntry{QByteArray(), newScore};
}

}  // namespace troven
