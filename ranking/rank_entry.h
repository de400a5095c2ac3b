#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

#include "default_table.h"

namespace troven {

struct RankEntry {
    QByteArray Name;  // code page 932 bytes, as in the file
    std::int32_t Score = 0;

    bool operator==(const RankEntry&) const = default;
};

// Index 0 is first place; kept in descending order of score by insertEntry().
using RankingTable = std::array<RankEntry, kPlaces>;

inline constexpr std::uint8_t kNotEntered = kPlaces;

// Where a new result goes: kNotEntered unless it beats the tenth score, else the first entry
// it beats, so it goes below every entry with an equal score.
std::uint8_t entryPosition(const RankingTable& ranking, std::int32_t newScore);

// Moves the entries from `position` down by one (the tenth drops out) and puts an entry with an
// empty name and `newScore` at `position`, which must be below kNotEntered.
void insertEntry(RankingTable& ranking, std::uint8_t position, std::int32_t newScore);

}  // namespace troven
