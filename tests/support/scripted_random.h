#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <random>
#include <utility>
#include <vector>

#include "game/card.h"
#include "game/random_source.h"

namespace troven::testing {

// Hands the shuffle a fixed list of values, then zeros (exchanges of position 0 with itself).
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> values = {}) : values_(std::move(values)) {}

    void reseed() override {
        ++reseeds;
        next_ = 0;
    }
    float next() override { return next_ < values_.size() ? values_[next_++] : 0.0f; }

    int reseeds = 0;

  private:
    std::vector<float> values_;
    std::size_t next_ = 0;
};

// The value that makes the shuffle pick deck position p.
inline float valueFor(int position) { return (static_cast<float>(position) + 0.5f) / 52.0f; }

// A script under which the shuffle leaves the deck in the order `wanted`: the exchanges of a
// selection sort, run backwards from the filled order 0..51 (at most 51 of the 52 exchanges).
inline ScriptedRandom dealing(const std::array<Card, kDeckSize>& wanted) {
    std::array<Card, kDeckSize> deck{};
    for (int i = 0; i < kDeckSize; ++i) deck[static_cast<std::size_t>(i)] = static_cast<Card>(i);
    std::vector<float> values;
    for (std::size_t i = 0; i < deck.size(); ++i) {
        const auto j =
            static_cast<std::size_t>(std::find(deck.begin(), deck.end(), wanted[i]) - deck.begin());
        std::swap(deck[i], deck[j]);
        values.push_back(valueFor(static_cast<int>(i)));
        values.push_back(valueFor(static_cast<int>(j)));
    }
    return ScriptedRandom(std::move(values));
}

// A reproducible source for long runs.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void reseed() override {}
    float next() override { return toUnitFloat(static_cast<std::uint32_t>(engine_())); }
    std::mt19937& engine() { return engine_; }

  private:
    std::mt19937 engine_;
};

}  // namespace troven::testing
