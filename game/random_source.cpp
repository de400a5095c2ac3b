#include "game/random_source.h"

#include <chrono>

namespace troven {

void ClockSeededRandom::reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float ClockSeededRandom::next() { return toUnitFloat(static_cast<std::uint32_t>(engine_())); }

}  // namespace troven
