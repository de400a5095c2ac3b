#include "default_table.h"

#include <array>

namespace troven {
namespace {

constexpr std::array<const char*, kPlaces> kNames = {"XYZ", "AAA", "BBB", "CCC", "VVV",
                                                     "WWW", "GGG", "JJJ", "MMM", "QQQ"};

}  // namespace

QByteArray defaultName(int rank) { return kNames.at(static_cast<std::size_t>(rank)); }

std::int16_t defaultScore(int rank) { return rank == 0 ? 50 : 0; }

}  // namespace troven
