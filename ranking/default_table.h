#pragma once

#include <QByteArray>
#include <cstdint>

namespace troven {

inline constexpr int kPlaces = 10;

// The table that stands in for a missing or unreadable record of "score.dat", and that the
// Clear button puts in place: "XYZ" 50, then nine names with 0.
QByteArray defaultName(int rank);
std::int16_t defaultScore(int rank);

}  // namespace troven
